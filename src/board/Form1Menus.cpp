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
QAction* addItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QMenu* addSubmenu(QMenu* menu, const char* name, const char* caption)
{
    QMenu* submenu = menu->addMenu(QString::fromLatin1(caption));
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    return submenu;
}

} // namespace

void Form1::buildMenus()
{
    mnuRight = new QMenu(this);
    mnuRight->setObjectName(QStringLiteral("mnuRight"));

    connect(addItem(mnuRight, "mnunewnote", "&New Zendra Note"),
            &QAction::triggered,
            m_notes.get(),
            &NoteSlots::mnunewnote_Click);
    connect(
        addItem(mnuRight, "mnuscratch", "Open S&cratch Pad"), &QAction::triggered, m_scratch.get(), &ScratchPad::open);
    mnuRight->addSeparator();
    connect(addItem(mnuRight, "mnunetsearch", "Net &Search"), &QAction::triggered, this, &Form1::mnunetsearch_Click);
    m_launch->addProgramItems(addSubmenu(mnuRight, "mnuProgTitle", "&Launch Program"));
    mnuRight->addSeparator();
    mnuRight->addAction(m_mail->checkEmailItem());
    mnuRight->addAction(m_mail->autoCheckItem());
    mnuRight->addSeparator();

    QMenu* mnuicons = addSubmenu(mnuRight, "mnuicons", "&Icons");
    connect(addItem(mnuicons, "mnuicondefault", "&Default Positions"),
            &QAction::triggered,
            m_launch.get(),
            &LaunchIcons::mnuicondefault_Click);

    QMenu* mnuPosition = addSubmenu(mnuRight, "mnuPosition", "P&osition");
    struct CornerItem
    {
        const char* name;
        const char* caption;
        BoardGeometry::Corner corner;
    };
    const CornerItem corners[] = {
        {"mnutopright", "Top Right Corner", BoardGeometry::Corner::TopRight},
        {"mnutopleft", "Top Left Corner", BoardGeometry::Corner::TopLeft},
        {"mnubottomright", "Bottom Right Corner", BoardGeometry::Corner::BottomRight},
        {"mnubottomleft", "Bottom Left Corner", BoardGeometry::Corner::BottomLeft},
    };
    for (const CornerItem& item : corners) {
        connect(addItem(mnuPosition, item.name, item.caption), &QAction::triggered, this, [this, corner = item.corner] {
            dock(corner);
        });
    }

    mnuontop = addItem(mnuRight, "mnuontop", "Always On &Top");
    mnuontop->setCheckable(true);
    // The check mark follows the board's state, which the handler changes itself.
    connect(mnuontop, &QAction::triggered, this, [this] {
        mnuontop->setChecked(!mnuontop->isChecked());
        mnuontop_Click();
    });
    mnuRight->addSeparator();
    connect(addItem(mnuRight, "mnuPref", "&Preferences"), &QAction::triggered, this, &Form1::mnuPref_Click);
    mnuRight->addSeparator();
    buildHelpMenu();
    mnuRight->addSeparator();
    connect(addItem(mnuRight, "mnuExit", "E&xit"), &QAction::triggered, this, &Form1::mnuExit_Click);

    Tray& tray = m_platform.tray;
    // A click or a double click on the tray icon brings the board to the front; a right click opens its menu.
    connect(&tray, &Tray::leftClicked, this, &Form1::bringToFront);
    connect(&tray, &Tray::leftDoubleClicked, this, &Form1::bringToFront);
    connect(&tray, &Tray::rightClicked, this, [this](int, QPoint globalPosition) { openBoardMenu(globalPosition); });
}

void Form1::buildHelpMenu()
{
    QMenu* mnuhelp = addSubmenu(mnuRight, "mnuhelp", "&Help");
    const auto link = [this, mnuhelp](const char* name, const char* caption, const QUrl& target) {
        connect(addItem(mnuhelp, name, caption), &QAction::triggered, this, [this, target] {
            m_platform.shell.open(target);
        });
    };
    link("mnufeedback", "&Feedback", WebLinks::feedback());
    mnuhelp->addSeparator();
    link("mnuwebtovane", "&Tovane Website", WebLinks::makerHome());
    link("mnuwebzendra", "&Zendra 98 Website", WebLinks::productPage());
    mnuhelp->addSeparator();
    link("mnututorials", "&Help", WebLinks::helpPage(m_dataDir));
    link("mnucheckforupdates",
         "Check for &Updates",
         WebLinks::updatesPage(Version::kMajor, Version::kMinor, Version::kRevision));
    mnuhelp->addSeparator();
    connect(addItem(mnuhelp, "mnutips", "Ti&ps"), &QAction::triggered, m_info.get(), &InfoWindows::mnutips_Click);
    mnuhelp->addSeparator();
    connect(
        addItem(mnuhelp, "mnucredits", "&Credits"), &QAction::triggered, m_info.get(), &InfoWindows::mnucredits_Click);
    connect(addItem(mnuhelp, "mnuAbout", "&About"), &QAction::triggered, m_info.get(), &InfoWindows::mnuAbout_Click);
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
