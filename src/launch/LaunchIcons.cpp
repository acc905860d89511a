#include "launch/LaunchIcons.h"

#include <map>

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "core/AccessibleRole.h"
#include "core/BoardMenu.h"
#include "core/BoardSurface.h"
#include "core/PictureControl.h"
#include "core/ShippedPicture.h"
#include "core/Twips.h"
#include "launch/IconStrip.h"
#include "launch/LaunchIconTable.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

LaunchIcons::LaunchIcons(Platform& platform, const DataDir& dataDir, BoardSurface& board)
    : m_platform(platform)
    , m_dataDir(dataDir)
    , m_board(board)
{
    const QString pictures = dataDir.shippedFile(QStringLiteral("pictures/"));
    for (const LaunchIconInfo& info : LaunchIconTable::all()) {
        auto* icon = new PictureControl(QString::fromLatin1(info.objectName), nullptr);
        board.addControl(*icon);
        icon->setToolTip(tr(info.tooltip));
        icon->setAccessibleName(tr(info.tooltip));
        AccessibleRole::set(*icon, QAccessible::Button);
        icon->setPixmap(ShippedPicture::load(pictures + QString::fromLatin1(info.picture), board.pixelRatio()));
        icon->setGeometry(Twips::rectToPixels(info.left, info.top, info.width, info.height));
        icon->hide();
        const LaunchIconId id = info.id;
        connect(icon, &PictureControl::pressed, this, [this, id](Qt::MouseButton button, QPointF pointer) {
            iconPressed(id, button, pointer);
        });
        connect(icon, &PictureControl::released, this, [this, id](Qt::MouseButton button, QPointF pointer) {
            iconReleased(id, button, pointer);
        });
        connect(icon, &PictureControl::clicked, this, [this, id] { iconClicked(id); });
        m_icons[static_cast<std::size_t>(id)] = icon;
    }
    // Built after the icons: the strip lies above them and covers them while it is open.
    picIcons = new IconStrip(pictures, board.pixelRatio());
    board.addControl(*picIcons);

    mnuprogs = new QMenu(m_icons[static_cast<std::size_t>(LaunchIconId::MyPrograms)]);
    mnuprogs->setObjectName(QStringLiteral("mnuprogs"));
    mnuprog = ProgramMenu::build(mnuprogs, "mnuprog", tr("Item%1"));
    connectProgramItems(mnuprog);
}

LaunchIcons::~LaunchIcons() = default;

void LaunchIcons::placeIcons(const IconPositions& positions)
{
    for (const LaunchIconInfo& info : LaunchIconTable::all())
        placeIcon(info.id, positions[info.id]);
}

void LaunchIcons::showIcon(OptionsModel::Icon icon, bool shown)
{
    using Icon = OptionsModel::Icon;
    static const std::map<Icon, LaunchIconId> launchIcon{
        {Icon::MyPrograms, LaunchIconId::MyPrograms},
        {Icon::DialUp, LaunchIconId::DialUp},
        {Icon::ControlPanel, LaunchIconId::ControlPanel},
        {Icon::Explorer, LaunchIconId::Explorer},
        {Icon::Calculator, LaunchIconId::Calculator},
        {Icon::Notepad, LaunchIconId::Notepad},
    };
    m_icons[static_cast<std::size_t>(launchIcon.at(icon))]->setVisible(shown);
}

void LaunchIcons::placeIcon(LaunchIconId id, const IconPlace& place)
{
    m_iconPlaces[id] = place;
    m_icons[static_cast<std::size_t>(id)]->move(Twips::toPixels(place.left, place.top));
}

void LaunchIcons::setPrograms(const std::array<ProgramEntry, kProgramCount>& programs)
{
    m_programs = programs;
}

void LaunchIcons::addMenuItems(BoardMenu& menu)
{
    using Section = BoardMenu::Section;
    QMenu* launchProgram = menu.addSubmenu(Section::Reach, QStringLiteral("mnuProgTitle"), tr("&Launch Program"));
    mnuPrograms = ProgramMenu::build(launchProgram, "mnuPrograms", tr("Program %1"));
    connectProgramItems(mnuPrograms);

    QMenu* mnuicons = menu.addSubmenu(Section::Arrange, QStringLiteral("mnuicons"), tr("&Icons"));
    QAction* mnuicondefault = mnuicons->addAction(tr("&Default Positions"));
    mnuicondefault->setObjectName(QStringLiteral("mnuicondefault"));
    connect(mnuicondefault, &QAction::triggered, this, &LaunchIcons::mnuicondefault_Click);
}

void LaunchIcons::connectProgramItems(const ProgramMenu::Items& items)
{
    // Both program menus start the same entry of the board's copy of the list.
    for (std::size_t i = 0; i < items.size(); ++i)
        connect(items[i], &QAction::triggered, this, [this, i] { mnuPrograms_Click(static_cast<int>(i) + 1); });
}

void LaunchIcons::boardMenuOpening()
{
    refreshTitles(mnuPrograms);
}

void LaunchIcons::refreshTitles(const ProgramMenu::Items& items)
{
    // A missing or short file leaves the entries it does not reach as they were.
    Options options;
    options.programs = m_programs;
    options.readProgramList(m_dataDir);
    m_programs = options.programs;
    ProgramMenu::setTitles(items, m_programs);
}

void LaunchIcons::iconPressed(LaunchIconId id, Qt::MouseButton button, QPointF pointer)
{
    m_board.controlTouched();
    placeIcon(id, m_iconDrag.press(button, pointer, m_iconPlaces[id]));
    if (button == Qt::RightButton)
        m_board.setPointer(Qt::ClosedHandCursor);
}

void LaunchIcons::iconReleased(LaunchIconId id, Qt::MouseButton button, QPointF pointer)
{
    placeIcon(id, m_iconDrag.release(button, pointer, m_iconPlaces[id], LaunchIconTable::info(id).highestTop));
    if (button == Qt::RightButton)
        m_board.restorePointer();
}

void LaunchIcons::iconClicked(LaunchIconId id)
{
    if (!m_iconDrag.clickLaunches())
        return;
    if (id == LaunchIconId::MyPrograms)
        Image1_Click();
    else
        m_platform.shell.run(QString::fromLatin1(LaunchIconTable::info(id).command));
}

void LaunchIcons::Image1_Click()
{
    if (!m_iconDrag.clickLaunches())
        return;
    refreshTitles(mnuprog);
    m_board.suppressDrag();
    m_board.popup(*mnuprogs, m_board.pointerPosition());
}

void LaunchIcons::mnuicondefault_Click()
{
    // Icons whose record the read does not reach go to the corner: the reader's values before reading.
    IconPositions defaults;
    defaults.read(m_dataDir, QString::fromLatin1(IconPositions::kDefaultName));
    placeIcons(defaults);
}

void LaunchIcons::mnuPrograms_Click(int index)
{
    const QString& path = m_programs[static_cast<std::size_t>(index - 1)].path;
    // An empty path names no program; any other failure to start is the shell's to ignore.
    if (!path.trimmed().isEmpty())
        m_platform.shell.run(path);
}

bool LaunchIcons::iconpossave() const
{
    return m_iconPlaces.write(m_dataDir, QString::fromLatin1(IconPositions::kSavedName));
}

QStringList LaunchIcons::storeAtExit(bool)
{
    if (iconpossave())
        return {};
    return {QString::fromLatin1(IconPositions::kSavedName)};
}
