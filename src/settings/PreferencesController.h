#pragma once

#include <QObject>
#include <QPointer>

#include "core/BoardFeature.h"
#include "core/DataDir.h"
#include "core/OptionsModel.h"

class BoardSurface;
class frmPref;
struct Options;
struct Platform;

/// The settings feature on the board: the options applied at start-up, the tray icon that follows the on-top
/// toggle, and the preferences window with its board menu item.
class PreferencesController final : public QObject, public BoardFeature
{
    Q_OBJECT

public:
    PreferencesController(Platform& platform, const DataDir& dataDir, BoardSurface& board);
    ~PreferencesController() override;

    /// "&Preferences".
    void addMenuItems(BoardMenu& menu) override;
    /// "&Preferences": one window at a time, in front; it forgets its values when it closes.
    void mnuPref_Click();
    /// Which launch icons the options show.
    OptionsModel& shown() { return m_shown; }
    /// The window while it is open, else null.
    frmPref* window() const;

    /// "Always On &Top" changed the board's state: in the tray mode that follows it, the tray icon follows too.
    /// options.dat is read afresh for the mode.
    void boardOnTopToggled();

Q_SIGNALS:
    /// The window's "Tips": the tip window is wanted.
    void tipsRequested();
    /// The window's "Emai&l Setup": the mail setup window is wanted, modal.
    void emailSetupRequested();

private:
    Platform& m_platform;
    DataDir m_dataDir;
    BoardSurface& m_board;
    OptionsModel m_shown;
    QPointer<frmPref> m_window;
};
