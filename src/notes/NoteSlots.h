#pragma once

#include <array>
#include <optional>

#include <QObject>
#include <QPixmap>
#include <QPointer>

#include "core/BoardFeature.h"
#include "core/DataDir.h"
#include "notes/NoteFile.h"

class BoardSurface;
class PictureControl;
class QMenu;
class frmNote;
struct Platform;

/// What the note editor may do to the board: read which slots are in use and show the icon of a slot it has
/// just stored a note in.
class NoteSlotIcons
{
public:
    virtual ~NoteSlotIcons() = default;
    virtual bool isInUse(int slot) const = 0;
    virtual void noteStored(int slot, const QString& text) = 0;
};

/// The five note icons on the board, their highlight and popup menu, and the board's side of the hand-over to
/// the note editor, which it creates on first use.
class NoteSlots final : public QObject, public NoteSlotIcons, public BoardFeature
{
    Q_OBJECT

public:
    NoteSlots(Platform& platform, const DataDir& dataDir, BoardSurface& board);
    ~NoteSlots() override;

    /// Start-up: an icon for each slot whose file exists, with the note's first line as its tooltip.
    void startUp(const std::array<std::optional<NoteFile>, kNoteSlotCount>& notes);

    void clearHighlight();
    void highlight(int slot);
    bool isHighlighted(int slot) const;

    void note_Click(int slot);
    void note_MouseDown(int slot, Qt::MouseButton button, QPoint globalPosition);
    void note_DblClick(int slot);
    void noteedit_Click();
    void mnunotedelete_Click();
    /// "&New Zendra Note" on the board menu.
    void mnunewnote_Click();

    /// "&New Zendra Note"; a touch on the board clears the highlight.
    void addMenuItems(BoardMenu& menu) override;
    void surfaceTouched() override { clearHighlight(); }

    bool isInUse(int slot) const override;
    void noteStored(int slot, const QString& text) override;

    PictureControl* icon(int slot) const;
    QMenu* noteMenu() const { return mnunoteedit; }
    /// The editor while it is loaded, else null.
    frmNote* editor() const;

Q_SIGNALS:
    /// The editor's "&About Zendra 98".
    void aboutRequested();

private:
    void openInEditor(int slot);
    frmNote* loadEditor(std::optional<int> slotIfNoHandOver);
    void showEditor(frmNote* editor);
    /// A slot is in use exactly while its icon shows.
    void setInUse(int slot, bool inUse);

    Platform& m_platform;
    DataDir m_dataDir;
    BoardSurface& m_board;
    /// The plain-note and selected-note pictures.
    QPixmap picture3;
    QPixmap picture2;
    /// The highlighted slot, 0 for none; its icon shows `picture2`, the others `picture3`.
    int m_highlighted = 0;
    std::array<bool, kNoteSlotCount> m_inUse{};
    std::array<PictureControl*, kNoteSlotCount> m_icons{};
    QMenu* mnunoteedit = nullptr;
    QPointer<frmNote> m_editor;
};
