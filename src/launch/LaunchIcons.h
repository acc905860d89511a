#pragma once

#include <array>

#include <QObject>
#include <QPointF>

#include "core/BoardFeature.h"
#include "core/DataDir.h"
#include "core/Options.h"
#include "core/OptionsModel.h"
#include "launch/IconDrag.h"
#include "launch/IconPositions.h"
#include "launch/ProgramMenu.h"

class BoardSurface;
class IconStrip;
class PictureControl;
class QMenu;
struct Platform;

/// The six launch icons, the icon strip and the user's program list: their controls on the board, their mouse
/// events, their position files and the two program menus.
class LaunchIcons final : public QObject, public BoardFeature
{
    Q_OBJECT

public:
    /// Builds the icons (hidden until the options show them) and the strip on the board.
    LaunchIcons(Platform& platform, const DataDir& dataDir, BoardSurface& board);
    ~LaunchIcons() override;

    /// Start-up: the places read from icons.dat and the board's copy of the program list.
    void placeIcons(const IconPositions& positions);
    void setPrograms(const std::array<ProgramEntry, kProgramCount>& programs);
    /// The options show or hide one of the icons.
    void showIcon(OptionsModel::Icon icon, bool shown);

    /// "&Launch Program" with the ten program items, and "&Icons" with "&Default Positions".
    void addMenuItems(BoardMenu& menu) override;
    /// The board menu is about to open: its program items get the titles options.dat holds now.
    void boardMenuOpening() override;
    /// "E&xit" stores the icons' places.
    QStringList storeAtExit(bool ask) override;

    /// Click on the My Programs icon: the program popup with fresh titles, unless the click ended a move.
    void Image1_Click();
    void mnuicondefault_Click();
    /// Starts program `index` (1 to 10) of the board's copy of the list.
    void mnuPrograms_Click(int index);
    /// Writes icons.dat; false when the file could not be written (the old one is then whole).
    bool iconpossave() const;

    const IconPositions& iconPlaces() const { return m_iconPlaces; }
    QMenu* programPopup() const { return mnuprogs; }
    IconStrip* iconStrip() const { return picIcons; }

private:
    void iconPressed(LaunchIconId id, Qt::MouseButton button, QPointF pointer);
    void iconReleased(LaunchIconId id, Qt::MouseButton button, QPointF pointer);
    void iconClicked(LaunchIconId id);
    void placeIcon(LaunchIconId id, const IconPlace& place);
    void connectProgramItems(const ProgramMenu::Items& items);
    void refreshTitles(const ProgramMenu::Items& items);

    Platform& m_platform;
    DataDir m_dataDir;
    BoardSurface& m_board;
    IconDrag m_iconDrag;
    IconPositions m_iconPlaces;
    std::array<ProgramEntry, kProgramCount> m_programs{};
    std::array<PictureControl*, kLaunchIconCount> m_icons{};
    IconStrip* picIcons = nullptr;
    QMenu* mnuprogs = nullptr;
    ProgramMenu::Items mnuprog{};
    ProgramMenu::Items mnuPrograms{};
};
