// The board's popup menus, the links of its Help menu, the program list and the tray icon's events.

#include <map>

#include <QAction>
#include <QMenu>
#include <QWindow>

#include "board/Form1.h"
#include "board/WebLinks.h"
#include "core/BoardMenu.h"
#include "core/Version.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/Tray.h"

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

/// The features' items, gathered by section; they are made in the board menu, so that they belong to it.
class MenuSections final : public BoardMenu
{
public:
    explicit MenuSections(QMenu& menu)
        : m_menu(menu)
    {
    }

    QAction* addItem(Section section, const QString& objectName, const QString& caption) override
    {
        auto* item = new QAction(caption, &m_menu);
        item->setObjectName(objectName);
        add(section, item);
        return item;
    }
    QMenu* addSubmenu(Section section, const QString& objectName, const QString& caption) override
    {
        auto* submenu = new QMenu(caption, &m_menu);
        submenu->setObjectName(objectName);
        submenu->menuAction()->setObjectName(objectName);
        add(section, submenu->menuAction());
        return submenu;
    }
    void add(Section section, QAction* item) override { m_items[section].append(item); }
    void addSeparator(Section section) override
    {
        auto* separator = new QAction(&m_menu);
        separator->setSeparator(true);
        add(section, separator);
    }

    /// Shows the items of `section` at the end of `menu`.
    void place(Section section, QMenu* menu) const
    {
        if (const auto items = m_items.find(section); items != m_items.end())
            menu->addActions(items->second);
    }

private:
    QMenu& m_menu;
    std::map<Section, QList<QAction*>> m_items;
};

} // namespace

void Form1::buildMenus()
{
    mnuRight = new QMenu(this);
    mnuRight->setObjectName(QStringLiteral("mnuRight"));
    MenuSections sections(*mnuRight);
    for (const auto& feature : m_features)
        feature->addMenuItems(sections);
    using Section = BoardMenu::Section;

    sections.place(Section::Write, mnuRight);
    mnuRight->addSeparator();
    sections.place(Section::Reach, mnuRight);
    mnuRight->addSeparator();
    sections.place(Section::Mail, mnuRight);
    mnuRight->addSeparator();
    sections.place(Section::Arrange, mnuRight);

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
    mnuontop->setChecked(m_onTop);
    // The check mark follows the board's state, which the handler changes itself.
    connect(mnuontop, &QAction::triggered, this, [this] {
        mnuontop->setChecked(!mnuontop->isChecked());
        mnuontop_Click();
    });
    mnuRight->addSeparator();
    sections.place(Section::Settings, mnuRight);
    mnuRight->addSeparator();
    sections.place(Section::HelpWindows, buildHelpMenu());
    mnuRight->addSeparator();
    connect(addItem(mnuRight, "mnuExit", tr("E&xit")), &QAction::triggered, this, &Form1::mnuExit_Click);

    Tray& tray = m_platform.tray;
    // A click or a double click on the tray icon brings the board to the front; a right click opens its menu.
    connect(&tray, &Tray::leftClicked, this, &Form1::bringToFront);
    connect(&tray, &Tray::leftDoubleClicked, this, &Form1::bringToFront);
    connect(&tray, &Tray::rightClicked, this, [this](int, QPoint globalPosition) { openBoardMenu(globalPosition); });
}

QMenu* Form1::buildHelpMenu()
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
    return mnuhelp;
}

void Form1::openBoardMenu(const QPoint& globalPosition)
{
    suppressDrag();
    for (const auto& feature : m_features)
        feature->boardMenuOpening();
    popup(*mnuRight, globalPosition);
}

void Form1::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
