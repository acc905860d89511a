#include "info/InfoWindows.h"

#include <QAction>

#include "core/BoardMenu.h"
#include "core/Flag.h"
#include "info/TipsetFile.h"
#include "info/frmAbout.h"
#include "info/frmCredits.h"
#include "info/frmTip.h"

namespace
{
void bringForward(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

InfoWindows::InfoWindows(Platform& platform, const DataDir& dataDir, QWidget& owner)
    : m_platform(platform)
    , m_dataDir(dataDir)
    , m_owner(owner)
{
}

InfoWindows::~InfoWindows()
{
    delete m_tip;
    delete m_credits;
}

void InfoWindows::startUp(const TipsetFile& tipset)
{
    if (isFlagSet(tipset.showAtStartup))
        showTip(TipOpening::AtStartUp);
}

void InfoWindows::mnutips_Click()
{
    // A window being opened stores the 1 itself, once it is on the screen.
    if (m_tip)
        TipsetFile::write(m_dataDir, 1);
    showTip(TipOpening::FromMenu);
}

void InfoWindows::showTip(TipOpening opening)
{
    // A window already open only comes forward.
    if (m_tip) {
        bringForward(m_tip);
        return;
    }
    m_tip = new frmTip(m_platform, m_dataDir);
    if (!m_tip->Form_Load(opening)) {
        delete m_tip;
        return;
    }
    bringForward(m_tip);
}

void InfoWindows::mnuAbout_Click()
{
    frmAbout about(m_aboutArmed, &m_owner);
    about.exec();
}

void InfoWindows::mnucredits_Click()
{
    if (!m_credits)
        m_credits = new frmCredits();
    bringForward(m_credits);
}

frmTip* InfoWindows::tip() const
{
    return m_tip;
}

frmCredits* InfoWindows::credits() const
{
    return m_credits;
}

void InfoWindows::addMenuItems(BoardMenu& menu)
{
    constexpr auto section = BoardMenu::Section::HelpWindows;
    connect(menu.addItem(section, QStringLiteral("mnutips"), tr("Ti&ps")),
            &QAction::triggered,
            this,
            &InfoWindows::mnutips_Click);
    menu.addSeparator(section);
    connect(menu.addItem(section, QStringLiteral("mnucredits"), tr("&Credits")),
            &QAction::triggered,
            this,
            &InfoWindows::mnucredits_Click);
    connect(menu.addItem(section, QStringLiteral("mnuAbout"), tr("&About")),
            &QAction::triggered,
            this,
            &InfoWindows::mnuAbout_Click);
}
