#pragma once

#include <array>
#include <optional>

#include <QMainWindow>

#include "core/DataDir.h"

class NoteSlotIcons;
class QAction;
class QFrame;
class QTextEdit;
class QToolButton;
struct Platform;

/// The note editor: one plain-text note, loaded from and stored into the board's note slots, printed, and
/// exchanged with the clipboard. It is unloaded (deleted) when it closes.
class frmNote final : public QMainWindow
{
    Q_OBJECT

public:
    /// The size of the window's client area when it opens, in twips.
    static constexpr double kWidthTwips = 6225;
    static constexpr double kHeightTwips = 3975;
    /// The Open command refuses longer files.
    static constexpr qint64 kMaxOpenBytes = 65000;
    /// A slot opened from the board has no length test of its own; only a file far longer than any note a
    /// person writes is left alone, as laying it out would freeze the window for minutes.
    static constexpr qint64 kMaxSlotBytes = qint64{64} * 1024 * 1024;

    frmNote(Platform& platform, const DataDir& dataDir, NoteSlotIcons& slots);

    /// Takes the slot number from the hand-over file and loads that slot, or starts a new note. When the
    /// board could not write the file it passes the slot here instead.
    void Form_Load(std::optional<int> slotWithoutHandOver = std::nullopt);
    void OpenFile(const QString& path);

    void mnyNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    /// `fromToolbar`: the toolbar's Print does nothing on an empty note.
    void mnuPrint_Click(bool fromToolbar = false);
    void mnuClose_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuselet_Click();
    void mnutimedate_Click();

    int slotNumber() const { return m_slotNumber; }
    QTextEdit* body() const { return txtBody; }

Q_SIGNALS:
    void aboutRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void Form_Resize();
    void showNote(const QString& caption, const QString& text);
    bool writeSlot(int slot, const QString& text);

    Platform& m_platform;
    DataDir m_dataDir;
    NoteSlotIcons& m_slots;
    QString m_noteText;
    int m_slotNumber = 0;

    QWidget* m_client = nullptr;
    QFrame* Frame2 = nullptr;
    QTextEdit* txtBody = nullptr;
};
