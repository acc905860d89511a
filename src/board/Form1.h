#pragma once

#include <array>
#include <memory>
#include <optional>

#include <QPointer>
#include <QWidget>

#include "board/BoardDrag.h"
#include "board/BoardGeometry.h"
#include "core/BoardSurface.h"
#include "core/DataDir.h"
#include "notes/NoteFile.h"

class IconPositions;
class InfoWindows;
class LaunchIcons;
class MailController;
class NoteSlots;
class ScratchPad;
class VolumeButtons;
class frmPref;
class PictureControl;
class QAction;
class QMenu;
class QUrl;
struct AutosaveFile;
struct EmailSettings;
struct Options;
struct Platform;
struct PositionFile;
struct ScratchFile;
struct TipsetFile;
class frmnetsearch;

/// The board: the program's one permanent window, and the host of the features that live on it. It keeps the
/// window itself (drag, docking, on top, volume, the menus, the tray icon, exit) and routes the rest to the
/// feature controllers.
class Form1 final : public QWidget, public BoardSurface
{
    Q_OBJECT

public:
    static constexpr int kTrayIconId = 1;
    static constexpr const char* kTrayTooltip = QT_TR_NOOP("Zendra 98");

    Form1(Platform& platform, const DataDir& dataDir, QWidget* parent = nullptr);
    ~Form1() override;

    /// The start-up files the board's load builds the board from.
    struct LoadFiles
    {
        const PositionFile& position;
        const Options& options;
        const IconPositions& icons;
        const AutosaveFile& autosave;
        const ScratchFile& scratch;
        const std::array<std::optional<NoteFile>, kNoteSlotCount>& notes;
        const TipsetFile& tipset;
        const EmailSettings& email;
    };

    /// Builds the board from the start-up files, in the fixed order of its load; the new-mail picture has been
    /// loaded before the files were read.
    void Form_Load(const LoadFiles& files);

    void mnuExit_Click();
    /// The session ends (logout, shutdown, a termination signal) or the program quits without "E&xit": stores
    /// what "E&xit" stores, keeping an open pad's text for the next start, without asking or showing anything.
    /// Stores once, and not at all before the board has loaded or after "E&xit" has stored.
    void sessionEnding();
    void mnuontop_Click();
    void mnuPref_Click();
    void dock(BoardGeometry::Corner corner);
    /// "Net &Search": the net search window, loaded if needed.
    void mnunetsearch_Click();
    /// Right-button press on the board or its background picture, or a right click on the tray icon: the board
    /// menu with the program titles fresh from options.dat.
    void openBoardMenu(const QPoint& globalPosition);

    /// Board place in twips (outer frame).
    QPointF positionTwips() const;
    void moveToTwips(QPointF topLeft);

    const BoardDrag& drag() const { return m_drag; }
    QMenu* boardMenu() const { return mnuRight; }
    LaunchIcons& launch() const { return *m_launch; }
    MailController& mail() const { return *m_mail; }
    NoteSlots& notes() const { return *m_notes; }
    ScratchPad& scratch() const { return *m_scratch; }
    InfoWindows& info() const { return *m_info; }
    /// The net search window while it is loaded, else null.
    frmnetsearch* netSearch() const;

    // The board as its features see it.
    QWidget& surfaceWidget() override { return *this; }
    QSizeF sizeTwips() const override;
    void setBoardColour(const QColor& colour) override;
    void setControlVisible(const QString& objectName, bool visible) override;
    void showBackgroundPicture(const QPixmap& picture, QPointF topLeft) override;
    void clearBackgroundPicture() override;
    void showTrayIcon() override;
    void removeTrayIcon() override;
    bool isOnTop() const override;
    void suppressDrag() override { m_drag.popupOpened(); }
    void popup(QMenu& menu, QPoint globalPosition) override;
    void setPointer(Qt::CursorShape shape) override { setCursor(shape); }
    void restorePointer() override { unsetCursor(); }
    QPoint pointerPosition() const override;
    void clearNoteHighlight() override;

Q_SIGNALS:
    /// "E&xit" has stored what it stores; the program ends now.
    void exitRequested();
    /// The board was closed some other way (the window manager closed it): the program quits, and the quit stores
    /// as the end of the session does.
    void closedWithoutExit();

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
    void buildHelpMenu();
    void bringToFront();
    void applyOnTopFlag(float flag);
    void setOnTop(bool onTop);
    void placeAtStoredPosition(float left, float top);
    void Picture1_MouseDown(Qt::MouseButton button, const QPoint& globalPosition);
    void Picture1_Click();
    /// A double click on the board or its background picture opens the scratch pad.
    void Form_DblClick();
    void dragStep(Qt::MouseButtons held, QPointF pointer);
    QPixmap picture(const char* name) const;

    Platform& m_platform;
    DataDir m_dataDir;
    BoardDrag m_drag;
    bool m_loaded = false;
    bool m_exiting = false;
    bool m_stored = false;
    QPointF m_placedTwips;
    QPoint m_placedPixels;

    PictureControl* Picture1 = nullptr;
    std::unique_ptr<VolumeButtons> m_volume;
    std::unique_ptr<LaunchIcons> m_launch;
    std::unique_ptr<MailController> m_mail;
    std::unique_ptr<NoteSlots> m_notes;
    std::unique_ptr<ScratchPad> m_scratch;
    QPointer<frmPref> m_preferences;
    std::unique_ptr<InfoWindows> m_info;
    QPointer<frmnetsearch> m_netSearch;

    QMenu* mnuRight = nullptr;
    QAction* mnuontop = nullptr;
};
