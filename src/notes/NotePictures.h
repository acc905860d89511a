#pragma once

#include <QIcon>
#include <QPixmap>

/// The pictures of the notes, drawn in code so they stay sharp at every device pixel ratio.
namespace NotePictures
{
/// The board's note-slot icon, 13 x 16 logical pixels: a small yellow sticky note.
QPixmap plainNote(qreal devicePixelRatio);
/// The same note selected: navy with white lines inside a bright yellow outline, so it stands out on a black,
/// white or coloured board.
QPixmap selectedNote(qreal devicePixelRatio);

enum class Tool
{
    New,
    Open,
    Save,
    Print,
    Cut,
    Copy,
    Paste
};
/// A toolbar button picture of the note editor, 16 x 16 logical pixels, holding pictures drawn at device pixel
/// ratios 1, 1.5, 2 and 3 so each screen gets one made for it.
QIcon toolIcon(Tool tool);
} // namespace NotePictures
