#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QWidget>

#include "board/BoardDrag.h"
#include "board/BoardGeometry.h"
#include "core/BoardFeature.h"
#include "core/BoardSurface.h"
#include "core/DataDir.h"

class PictureControl;
class QAction;
class QMenu;
class QUrl;
struct Platform;

/// The board: the program's one permanent window, and the host of the features that live on it. It keeps the
/// window itself (drag, docking, on top, the menus, the tray icon, exit) and knows its features only as a list
/// of `BoardFeature`.
class Form1 final : public QWidget, public BoardSurface
{
    Q_OBJECT

public:
    static constexpr int kTrayIconId = 1;
    static constexpr const char* kTrayTooltip = QT_TR_NOOP("Zendra 98");

    Form1(Platform& platform, const DataDir& dataDir, QWidget* parent = nullptr);
    ~Form1() override;

    /// The features on the board, in the board menu's order, which is also the order of their exit steps; the
    /// board owns them from now on and builds its menu.
    void setFeatures(std::vector<std::unique_ptr<BoardFeature>> features);

    /// One step of the board's load: a data file read, or what was read applied.
    using LoadStep = std::function<void()>;
    /// The board's load: runs the steps in the order given, which is the load's fixed order.
    void Form_Load(const std::vector<LoadStep>& steps);
    /// Load steps of the board's own: the on-top state of position.dat's flag (0 off, 1 on, else unchanged),
    /// and the stored place, brought onto a screen when no screen shows it.
    void applyOnTopFlag(float flag);
    void placeAtStoredPosition(float left, float top);

    void mnuExit_Click();
    /// The session ends (logout, shutdown, a termination signal) or the program quits without "E&xit": stores
    /// what "E&xit" stores, keeping an open pad's text for the next start, without asking or showing anything.
    /// Stores once, and not at all before the board has loaded or after "E&xit" has stored.
    void sessionEnding();
    void mnuontop_Click();
    void dock(BoardGeometry::Corner corner);
    /// Right-button press on the board or its background picture, or a right click on the tray icon: the board
    /// menu with the program titles fresh from options.dat.
    void openBoardMenu(const QPoint& globalPosition);

    /// Board place in twips (outer frame).
    QPointF positionTwips() const;
    void moveToTwips(QPointF topLeft);

    const BoardDrag& drag() const { return m_drag; }
    QMenu* boardMenu() const { return mnuRight; }
    /// The shipped picture of that name, at the board's pixel ratio.
    QPixmap shippedPicture(const char* name) const;

    // The board as its features see it.
    void addControl(QWidget& control) override;
    qreal pixelRatio() const override { return devicePixelRatioF(); }
    QSizeF sizeTwips() const override;
    void setBoardColour(const QColor& colour) override;
    void showBackgroundPicture(const QPixmap& picture, QPointF topLeft) override;
    void clearBackgroundPicture() override;
    void showTrayIcon() override;
    void removeTrayIcon() override;
    bool isOnTop() const override;
    bool isSeen() const override;
    void afterFirstPaint(std::function<void()> action) override;
    void suppressDrag() override { m_drag.popupOpened(); }
    void popup(QMenu& menu, QPoint globalPosition) override;
    void setPointer(Qt::CursorShape shape) override { setCursor(shape); }
    void restorePointer() override { unsetCursor(); }
    QPoint pointerPosition() const override;
    void controlTouched() override;

Q_SIGNALS:
    /// "E&xit" has stored what it stores; the program ends now.
    void exitRequested();
    /// The board was closed some other way (the window manager closed it): the program quits, and the quit stores
    /// as the end of the session does.
    void closedWithoutExit();
    /// "Always On &Top" changed the board's on-top state.
    void onTopToggled(bool onTop);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    /// The Help submenu with the board's links; the features' windows follow.
    QMenu* buildHelpMenu();
    void bringToFront();
    void setOnTop(bool onTop);
    void setTrayIcon(bool shown);
    void applyTrayIcon(bool shown);
    void Picture1_MouseDown(Qt::MouseButton button, const QPoint& globalPosition);
    void Picture1_Click();
    /// A double click on the board or its background picture opens the scratch pad.
    void Form_DblClick();
    void dragStep(Qt::MouseButtons held, QPointF pointer);

    Platform& m_platform;
    DataDir m_dataDir;
    BoardDrag m_drag;
    bool m_loaded = false;
    bool m_exiting = false;
    bool m_stored = false;
    bool m_onTop = false;
    bool m_painted = false;
    std::vector<std::function<void()>> m_afterFirstPaint;
    /// The tray icon's state to be made after the first paint, when it was chosen before.
    std::optional<bool> m_trayPending;
    QPointF m_placedTwips;
    QPoint m_placedPixels;

    PictureControl* Picture1 = nullptr;
    std::vector<std::unique_ptr<BoardFeature>> m_features;

    QMenu* mnuRight = nullptr;
    QAction* mnuontop = nullptr;
};
