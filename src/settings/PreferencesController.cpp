#include "settings/PreferencesController.h"

#include <QAction>

#include "core/BoardMenu.h"
#include "core/Options.h"
#include "settings/ApplyOptions.h"
#include "settings/frmPref.h"

PreferencesController::PreferencesController(Platform& platform, const DataDir& dataDir, BoardSurface& board)
    : m_platform(platform)
    , m_dataDir(dataDir)
    , m_board(board)
{
}

PreferencesController::~PreferencesController()
{
    delete m_window;
}

void PreferencesController::addMenuItems(BoardMenu& menu)
{
    connect(menu.addItem(BoardMenu::Section::Settings, QStringLiteral("mnuPref"), tr("&Preferences")),
            &QAction::triggered,
            this,
            &PreferencesController::mnuPref_Click);
}

void PreferencesController::mnuPref_Click()
{
    if (!m_window) {
        m_window = new frmPref(m_platform, m_dataDir, m_board, m_shown);
        connect(m_window, &frmPref::tipsRequested, this, &PreferencesController::tipsRequested);
        connect(m_window, &frmPref::emailSetupRequested, this, &PreferencesController::emailSetupRequested);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void PreferencesController::boardOnTopToggled()
{
    Options options;
    options.readAll(m_dataDir);
    // The other modes do not depend on the on-top state: the toggle leaves their tray icon alone.
    if (options.trayMode == static_cast<float>(TrayMode::WhileNotOnTop))
        ApplyOptions::trayIcon(m_board, options.trayMode);
}

frmPref* PreferencesController::window() const
{
    return m_window;
}
