#pragma once

#include <atomic>
#include <memory>

#include <QObject>

#include "core/BoardFeature.h"
#include "core/DataDir.h"
#include "core/Flag.h"

class AutosaveWriter;
class BoardSurface;
class PadAnimation;
class PadText;
class PictureControl;
class QAction;
class QMenu;
class QWidget;
struct AutosaveFile;
struct Platform;
struct ScratchFile;

/// The scratch pad inside the board: its text box, title strip, options button, close mark and animation, its
/// menu, and the two files that carry its text and automatic-save setting over a restart.
class ScratchPad final : public QObject, public BoardFeature
{
    Q_OBJECT

public:
    ScratchPad(Platform& platform, const DataDir& dataDir, BoardSurface& board);
    ~ScratchPad() override;

    /// Start-up: the setting of autosave.dat, then the pad as scratch.dat left it, without focus or animation.
    void startUp(const AutosaveFile& autosave, const ScratchFile& scratch);
    /// "Open S&cratch Pad", a double click on the board or on its background picture.
    void open();
    void sclose_Click();
    void soption2_MouseDown(QPoint globalPosition);
    void mnuautotextsave_Click();
    void mnusaveandclose_Click();
    void mnuClose_Click();
    /// The board's exit asks whether to keep a pad that is open and holds text; without `ask` (the session
    /// ends) the text is kept as a "Yes" keeps it. False when scratch.dat could not be written.
    bool exitStep(bool ask = true);

    /// "Open S&cratch Pad"; a double click on the board opens the pad; "E&xit" runs `exitStep`.
    void addMenuItems(BoardMenu& menu) override;
    void surfaceDoubleClicked() override { open(); }
    QStringList storeAtExit(bool ask) override;

    bool isOpen() const;
    bool autosaveOn() const { return isFlagSet(m_autosave); }
    /// The pad's controls, built on first use.
    PadText* text();
    PadAnimation* animation();
    QMenu* menu();

private:
    /// The pad's name, the title of its message boxes.
    static QString title();
    void buildControls();
    void showPad(const QString& text, bool animate);
    void hidePad();
    /// Writes scratch.dat; a failure is reported, and the pad stays as it is.
    bool store(int open, const QString& text);
    void Text1_KeyPress();
    void autosave();
    AutosaveWriter& autosaveWriter();
    /// Drops a save still waiting and waits for one being written, before the file is written another way.
    void cancelAutosave();
    void autosaveFailed();

    Platform& m_platform;
    DataDir m_dataDir;
    BoardSurface& m_board;
    float m_autosave = 0;
    /// The check mark of "&Auto Text Save", kept while the menu is not built yet.
    bool m_autosaveChecked = false;
    std::unique_ptr<AutosaveWriter> m_writer;
    /// Set by the writer's thread; the failure is reported once until a save works again.
    std::atomic<bool> m_autosaveFailing = false;

    PadText* Text1 = nullptr;
    QWidget* soption1 = nullptr;
    PictureControl* soption2 = nullptr;
    PictureControl* sclose = nullptr;
    PadAnimation* gif1 = nullptr;
    QMenu* mnuscratchpadmenu = nullptr;
    QAction* mnuautotextsave = nullptr;
};
