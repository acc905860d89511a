#pragma once

#include <QColor>

class QWidget;

/// The layouts are drawn in twips for the fonts of their time. Today's fonts, a larger desktop font or a longer
/// translation need more room: these helpers give a caption the room it needs, and never take any away.
namespace RoomForText
{
/// The width `control` needs to show its caption whole in its font and style; 0 when it shows no caption.
int neededWidth(const QWidget* control);

/// Widens every caption-bearing control of `window` (labels, check boxes, option buttons, buttons, frame
/// captions, lists of choices) whose text needs more room than its designed width. What lies to its right on
/// the same row moves right with it, and so does whatever stands in a column with what moved; a frame grows
/// around what grew inside it, and the window grows last. Call it once the window is built and its texts are
/// set. Returns how many pixels wider the window became.
int fitWindow(QWidget* window);

/// How far apart two colours are for the eye, from 1 (the same) to 21 (black on white), as WCAG 2 measures it.
double contrast(const QColor& first, const QColor& second);

/// `wanted` itself when text in it reads well on `background` (a contrast of at least 4.5), else the nearest
/// colour on the way from `wanted` towards black or white, whichever reads better there, that does.
QColor readableOn(const QColor& wanted, const QColor& background);
} // namespace RoomForText
