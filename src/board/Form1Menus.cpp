// The board's popup menus, the links of its Help menu, the program list and the tray icon's events.

#include <QAction>
#include <QMenu>
#include <QWindow>

#include "board/Form1.h"
#include "board/WebLinks.h"
#include "core/Version.h"
#include "email/MailController.h"
#include "info/InfoWindows.h"
#include "launch/LaunchIcons.h"
#include "netsearch/frmnetsearch.h"
#include "notes/NoteSlots.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/Tray.h"
#include "scratch/ScratchPad.h"
#include "settings/frmPref.h"

namespace
{
QAction* addItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QMenu* addSubmenu(QMenu* menu, const char* name, const QString& caption)
{
    QMenu* submenu = menu->addMenu(caption);
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    return submenu;
}

} // namespace

void Form1::buildMenus()
{
    mnuRight = new QMenu(this);
    mnuRight->setObjectName(QStringLiteral("mnuRight"));

    connect(addItem(mnuRight, "mnunewnote", tr("&New Zendra Note")),
            &QAction::triggered,
            m_notes.get(),
            &NoteSlots::mnunewnote_Click);
    connect(addItem(mnuRight, "mnuscratch", tr("Open S&cratch Pad")),
            &QAction::triggered,
            m_scratch.get(),
            &ScratchPad::open);
    mnuRight->addSeparator();
    connect(
        addItem(mnuRight, "mnunetsearch", tr("Net &Search")), &QAction::triggered, this, &Form1::mnunetsearch_Click);
    m_launch->addProgramItems(addSubmenu(mnuRight, "mnuProgTitle", tr("&Launch Program")));
    mnuRight->addSeparator();
    mnuRight->addAction(m_mail->checkEmailItem());
    mnuRight->addAction(m_mail->autoCheckItem());
    mnuRight->addSeparator();

    QMenu* mnuicons = addSubmenu(mnuRight, "mnuicons", tr("&Icons"));
    connect(addItem(mnuicons, "mnuicondefault", tr("&Default Positions")),
            &QAction::triggered,
            m_launch.get(),
            &LaunchIcons::mnuicondefault_Click);

    QMenu* mnuPosition = addSubmenu(mnuRight, "mnuPosition", tr("P&osition"));
    const auto corner = [this, mnuPosition](const char* name, const QString& caption, BoardGeometry::Corner at) {
        connect(addItem(mnuPosition, name, caption), &QAction::triggered, this, [this, at] { dock(at); });
    };
    corner("mnutopright", tr("Top Right Corner"), BoardGeometry::Corner::TopRight);
    corner("mnutopleft", tr("Top Left Corner"), BoardGeometry::Corner::TopLeft);
    corner("mnubottomright", tr("Bottom Right Corner"), BoardGeometry::Corner::BottomRight);
    corner("mnubottomleft", tr("Bottom Left Corner"), BoardGeometry::Corner::BottomLeft);

    mnuontop = addItem(mnuRight, "mnuontop", tr("Always On &Top"));
    mnuontop->setCheckable(true);
    // The check mark follows the board's state, which the handler changes itself.
    connect(mnuontop, &QAction::triggered, this, [this] {
        mnuontop->setChecked(!mnuontop->isChecked());
        mnuontop_Click();
    });
    mnuRight->addSeparator();
    connect(addItem(mnuRight, "mnuPref", tr("&Preferences")), &QAction::triggered, this, &Form1::mnuPref_Click);
    mnuRight->addSeparator();
    buildHelpMenu();
    mnuRight->addSeparator();
    connect(addItem(mnuRight, "mnuExit", tr("E&xit")), &QAction::triggered, this, &Form1::mnuExit_Click);

    Tray& tray = m_platform.tray;
    // A click or a double click on the tray icon brings the board to the front; a right click opens its menu.
    connect(&tray, &Tray::leftClicked, this, &Form1::bringToFront);
    connect(&tray, &Tray::leftDoubleClicked, this, &Form1::bringToFront);
    connect(&tray, &Tray::rightClicked, this, [this](int, QPoint globalPosition) { openBoardMenu(globalPosition); });
}

void Form1::buildHelpMenu()
{
    QMenu* mnuhelp = addSubmenu(mnuRight, "mnuhelp", tr("&Help"));
    const auto link = [this, mnuhelp](const char* name, const QString& caption, const QUrl& target) {
        connect(addItem(mnuhelp, name, caption), &QAction::triggered, this, [this, target] {
            m_platform.shell.open(target);
        });
    };
    link("mnufeedback", tr("&Feedback"), WebLinks::feedback());
    mnuhelp->addSeparator();
    link("mnuwebtovane", tr("&Tovane Website"), WebLinks::makerHome());
    link("mnuwebzendra", tr("&Zendra 98 Website"), WebLinks::productPage());
    mnuhelp->addSeparator();
    link("mnututorials", tr("&Help"), WebLinks::helpPage(m_dataDir));
    link("mnucheckforupdates",
         tr("Check for &Updates"),
         WebLinks::updatesPage(Version::kMajor, Version::kMinor, Version::kRevision));
    mnuhelp->addSeparator();
    const auto info = [this, mnuhelp](const char* name, const QString& caption, void (InfoWindows::*open)()) {
        connect(addItem(mnuhelp, name, caption), &QAction::triggered, m_info.get(), open);
    };
    info("mnutips", tr("Ti&ps"), &InfoWindows::mnutips_Click);
    mnuhelp->addSeparator();
    info("mnucredits", tr("&Credits"), &InfoWindows::mnucredits_Click);
    info("mnuAbout", tr("&About"), &InfoWindows::mnuAbout_Click);
}

void Form1::mnunetsearch_Click()
{
    if (!m_netSearch)
        m_netSearch = new frmnetsearch(m_platform, m_dataDir);
    m_netSearch->show();
    m_netSearch->raise();
    m_netSearch->activateWindow();
}

frmnetsearch* Form1::netSearch() const
{
    return m_netSearch;
}

void Form1::openBoardMenu(const QPoint& globalPosition)
{
    suppressDrag();
    m_launch->refreshBoardMenu();
    popup(*mnuRight, globalPosition);
}

void Form1::mnuPref_Click()
{
    // One window at a time; it forgets its values when it closes.
    if (!m_preferences) {
        m_preferences = new frmPref(m_platform, m_dataDir, *this);
        connect(m_preferences, &frmPref::tipsRequested, m_info.get(), &InfoWindows::mnutips_Click);
        connect(m_preferences, &frmPref::emailSetupRequested, m_mail.get(), &MailController::openSetup);
    }
    m_preferences->show();
    m_preferences->raise();
    m_preferences->activateWindow();
}

void Form1::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
