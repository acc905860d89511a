#pragma once

#include <array>

#include <QWidget>

#include "board/BoardDrag.h"
#include "board/BoardGeometry.h"
#include "core/DataDir.h"
#include "core/StartupFiles.h"
#include "launch/IconDrag.h"
#include "launch/IconPositions.h"
#include "launch/ProgramMenu.h"

class IconStrip;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMovie;
class QUrl;
struct Platform;

/// The board: the program's one permanent window.
class Form1 final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTrayIconId = 1;
    static constexpr const char* kTrayTooltip = "Zendra 98";

    Form1(Platform& platform, const DataDir& dataDir, QWidget* parent = nullptr);
    ~Form1() override;

    /// Reads the data files in their fixed order and builds the board from them; errors are ignored.
    void Form_Load();

    void mnuExit_Click();
    void mnuontop_Click();
    void dock(BoardGeometry::Corner corner);
    void up_Click();
    void down_Click();
    /// Right-button press on the board or its background picture, or a right click on the tray icon: the board
    /// menu with the program titles fresh from options.dat.
    void openBoardMenu(const QPoint& globalPosition);
    /// Click on the My Programs icon: the program popup with fresh titles, unless the click ended a move.
    void Image1_Click(const QPoint& globalPosition);
    /// Starts program `index` (1 to 10) of the board's copy of the program list.
    void mnuPrograms_Click(int index);
    void mnuicondefault_Click();
    void YoconTray1_LeftClick();
    void YoconTray1_LeftDoubleClick();
    void YoconTray1_RightClick(const QPoint& globalPosition);
    /// Returns every note icon to its plain picture.
    void clearNoteHighlight();

    // What apply options changes on the board.
    void setBoardColour(const QColor& colour);
    void showTrayIcon();
    void removeTrayIcon();
    QLabel* launchIcon(LaunchIconId id) const { return m_launchIcons[static_cast<std::size_t>(id)]; }
    const IconPositions& iconPlaces() const { return m_iconPlaces; }
    QLabel* backgroundPicture() const { return Picture1; }
    bool isOnTop() const;

    /// Board place and size in twips (outer frame).
    QPointF positionTwips() const;
    QSizeF sizeTwips() const;
    void moveToTwips(QPointF topLeft);

    const StartupFiles& startupFiles() const { return m_startup; }
    const BoardDrag& drag() const { return m_drag; }
    QMenu* boardMenu() const { return mnuRight; }
    QMenu* programPopup() const { return mnuprogs; }
    IconStrip* iconStrip() const { return picIcons; }

Q_SIGNALS:
    /// "E&xit" has stored what it stores; the program ends now.
    void exitRequested();
    /// The board was closed some other way (the session ends): nothing is stored.
    void closedWithoutExit();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildHelpMenu();
    void refreshProgramTitles(const ProgramMenu::Items& items);
    void openLink(const QUrl& target);
    bool launchIconEvent(LaunchIconId id, QEvent* event);
    void launchIcon_Click(LaunchIconId id);
    void bringToFront();
    void loadMailPicture();
    void applyOnTopFlag(float flag);
    void setOnTop(bool onTop);
    void placeAtStoredPosition(float left, float top);
    void placeLaunchIcons(const IconPositions& positions);
    void setIconPlace(LaunchIconId id, const IconPlace& place);
    void iconpossave(QStringList& failures);
    void surfaceMouseMove(QMouseEvent* event);
    QPixmap picture(const char* name) const;

    Platform& m_platform;
    DataDir m_dataDir;
    StartupFiles m_startup;
    BoardDrag m_drag;
    bool m_exiting = false;
    IconPositions m_iconPlaces;
    IconDrag m_iconDrag;
    // The release that ends a double click on a launch icon: the first click has started the program already.
    bool m_releaseEndsDoubleClick = false;
    QPointF m_placedTwips;
    QPoint m_placedPixels;

    QLabel* Picture1 = nullptr;
    QLabel* up = nullptr;
    QLabel* down = nullptr;
    QLabel* emailpic = nullptr;
    QLabel* emailgif = nullptr;
    QFrame* Shape1 = nullptr;
    QMovie* m_mailMovie = nullptr;
    std::array<QLabel*, kLaunchIconCount> m_launchIcons{};
    IconStrip* picIcons = nullptr;

    QMenu* mnuRight = nullptr;
    QMenu* mnuProgTitle = nullptr;
    ProgramMenu::Items mnuPrograms{};
    QMenu* mnuPosition = nullptr;
    QMenu* mnuprogs = nullptr;
    ProgramMenu::Items mnuprog{};
    QAction* mnuontop = nullptr;
    QAction* mnuExit = nullptr;
};
