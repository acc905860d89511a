#include "board/Form1.h"

#include <utility>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include "board/ExitStore.h"
#include "board/PositionFile.h"
#include "core/AccessibleRole.h"
#include "core/Flag.h"
#include "core/PictureControl.h"
#include "core/ShippedPicture.h"
#include "core/Twips.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Screens.h"
#include "platform/Tray.h"

namespace
{
const QColor kBorderColour(0x80, 0x80, 0x80);

QRectF toTwips(const QRect& pixels)
{
    return {Twips::fromPixels(pixels.x()),
            Twips::fromPixels(pixels.y()),
            Twips::fromPixels(pixels.width()),
            Twips::fromPixels(pixels.height())};
}

QPointF twipsOf(const QMouseEvent* event)
{
    return {Twips::fromPixels(event->position().x()), Twips::fromPixels(event->position().y())};
}
} // namespace

Form1::Form1(Platform& platform, const DataDir& dataDir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_platform(platform)
    , m_dataDir(dataDir)
{
    AccessibleRole::set(*this, QAccessible::Window);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Zendra 98"));
    setAccessibleName(tr("Zendra 98"));
    // The board takes the focus, so that the Menu key and Shift+F10 reach it.
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(Twips::sizeToPixels(BoardGeometry::kWidthTwips, BoardGeometry::kHeightTwips));
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBoardColour(Qt::black);

    // Every size is drawn: a panel or a task bar picks the one that fits and never blurs a smaller one up. The
    // window system copies them when the window is made; they are read from their files then, not kept.
    QList<std::pair<int, QString>> drawings;
    for (const int side : {16, 22, 24, 32, 48, 64, 128}) {
        const QString name = side == 32 ? QStringLiteral("zendra98.png") : QStringLiteral("zendra98-%1.png").arg(side);
        drawings.append({side, m_dataDir.shippedFile(QStringLiteral("pictures/") + name)});
    }
    setWindowIcon(ShippedPicture::icon(std::move(drawings)));

    buildControls();
}

Form1::~Form1()
{
    // The features go before the board's controls they live among, the last one first.
    while (!m_features.empty())
        m_features.pop_back();
}

void Form1::setFeatures(std::vector<std::unique_ptr<BoardFeature>> features)
{
    m_features = std::move(features);
    buildMenus();
}

QPixmap Form1::shippedPicture(const char* name) const
{
    return ShippedPicture::load(m_dataDir.shippedFile(QStringLiteral("pictures/") + QString::fromLatin1(name)),
                                devicePixelRatioF());
}

void Form1::buildControls()
{
    // Built first, so that every control lies above the background picture.
    Picture1 = new PictureControl(QStringLiteral("Picture1"), this);
    Picture1->setAccessibleName(tr("Background picture"));
    AccessibleRole::set(*Picture1, QAccessible::Graphic);
    Picture1->hide();
    connect(Picture1, &PictureControl::pressed, this, [this](Qt::MouseButton button, QPointF, QPoint global) {
        Picture1_MouseDown(button, global);
    });
    connect(Picture1, &PictureControl::moved, this, &Form1::dragStep);
    connect(Picture1, &PictureControl::released, this, &Form1::restorePointer);
    connect(Picture1, &PictureControl::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            Picture1_Click();
    });
    connect(Picture1, &PictureControl::doubleClicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            Form_DblClick();
    });
}

void Form1::Form_Load(const std::vector<LoadStep>& steps)
{
    for (const LoadStep& step : steps)
        step();
    m_loaded = true;
}

void Form1::addControl(QWidget& control)
{
    control.setParent(this);
}

void Form1::controlTouched()
{
    for (const auto& feature : m_features)
        feature->surfaceTouched();
}

void Form1::applyOnTopFlag(float flag)
{
    // Any other value leaves the state as it is.
    if (flag == 0.0F)
        setOnTop(false);
    else if (isFlagSet(flag))
        setOnTop(true);
}

bool Form1::isOnTop() const
{
    return m_onTop;
}

bool Form1::isSeen() const
{
    return isVisible() && !isMinimized() && (isOnTop() || isActiveWindow());
}

void Form1::afterFirstPaint(std::function<void()> action)
{
    if (m_painted)
        QTimer::singleShot(0, this, std::move(action));
    else
        m_afterFirstPaint.push_back(std::move(action));
}

void Form1::setOnTop(bool onTop)
{
    m_onTop = onTop;
    if (mnuontop)
        mnuontop->setChecked(onTop);
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags == windowFlags())
        return;
    // Tell the window system directly: QWidget::setWindowFlags would destroy and re-create a shown window.
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle())
        window->setFlags(flags);
}

void Form1::mnuontop_Click()
{
    const bool onTop = !isOnTop();
    setOnTop(onTop);
    Q_EMIT onTopToggled(onTop);
    PositionFile::rewriteFlag(m_dataDir, onTop ? 1 : 0);
}

void Form1::placeAtStoredPosition(float left, float top)
{
    const QRect stored(Twips::toPixels(left, top), size());
    const QPoint place =
        BoardGeometry::visiblePlacement(stored, m_platform.screens.geometries(), m_platform.screens.primary());
    if (place == stored.topLeft())
        moveToTwips({left, top});
    else
        move(place);
    // The window may exist before its first placement; a place equal to the one it was built with must
    // still reach the window system, or the window manager would choose one.
    if (QWindow* window = windowHandle())
        window->setPosition(pos());
}

QPointF Form1::positionTwips() const
{
    // The place set in twips is kept exactly as long as the board has not moved since.
    if (pos() == m_placedPixels)
        return m_placedTwips;
    return {Twips::fromPixels(pos().x()), Twips::fromPixels(pos().y())};
}

QSizeF Form1::sizeTwips() const
{
    // While the window manager is still mapping the board its frame may read as 1 x 1: never less than the board.
    const QSize outer = frameGeometry().size().expandedTo(size());
    return {Twips::fromPixels(outer.width()), Twips::fromPixels(outer.height())};
}

void Form1::moveToTwips(QPointF topLeft)
{
    m_placedTwips = topLeft;
    m_placedPixels = Twips::toPixels(topLeft.x(), topLeft.y());
    move(m_placedPixels);
}

void Form1::dock(BoardGeometry::Corner corner)
{
    const QRect primary = m_platform.screens.primary();
    if (primary.isEmpty())
        return;
    moveToTwips(BoardGeometry::dockedPosition(corner, toTwips(primary), sizeTwips()));
}

void Form1::setBoardColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void Form1::showBackgroundPicture(const QPixmap& picture, QPointF topLeft)
{
    Picture1->setPixmap(picture);
    Picture1->setGeometry(QRect(Twips::toPixels(topLeft.x(), topLeft.y()), picture.size()));
    Picture1->show();
}

void Form1::clearBackgroundPicture()
{
    Picture1->clear();
    Picture1->hide();
}

void Form1::showTrayIcon()
{
    setTrayIcon(true);
}

void Form1::removeTrayIcon()
{
    setTrayIcon(false);
}

void Form1::setTrayIcon(bool shown)
{
    // Until the board has painted, only the latest choice is kept and made right after that first paint: showing
    // the icon asks the session bus and the X server for a tray host and waits for them, which would keep the
    // board from the screen for a millisecond or more.
    if (m_painted && !m_trayPending) {
        applyTrayIcon(shown);
        return;
    }
    if (!m_trayPending) {
        afterFirstPaint([this] {
            if (const std::optional<bool> pending = std::exchange(m_trayPending, std::nullopt))
                applyTrayIcon(*pending);
        });
    }
    m_trayPending = shown;
}

void Form1::applyTrayIcon(bool shown)
{
    if (shown)
        m_platform.tray.addIcon(kTrayIconId, windowIcon(), tr(kTrayTooltip));
    else
        m_platform.tray.removeIcon(kTrayIconId);
}

void Form1::popup(QMenu& menu, QPoint globalPosition)
{
    menu.popup(globalPosition);
}

QPoint Form1::pointerPosition() const
{
    return m_platform.screens.pointer();
}

void Form1::mnuExit_Click()
{
    // A failed write shows a message box, whose event loop could let a second "Exit" in.
    if (m_exiting)
        return;
    m_exiting = true;
    removeTrayIcon();

    const QStringList failures = ExitStore::store(m_dataDir, positionTwips(), isOnTop(), m_features, true);
    if (!failures.isEmpty()) {
        m_platform.dialogs.message(
            {tr("%1 The files there are unchanged.").arg(ExitStore::failureText(failures, m_dataDir)),
             QString(),
             MessageIcon::Critical,
             MessageButtons::Ok});
    }
    Q_EMIT exitRequested();
}

void Form1::sessionEnding()
{
    // The session manager, the signal and the quit that follows each call this: the first one stores. While "Exit"
    // is under way (its question or message open), "Exit" stores.
    if (!m_loaded || m_stored || m_exiting)
        return;
    // Nobody is there to answer a message box now; a file not saved is noted on the standard error.
    m_stored = true;
    const QStringList failures = ExitStore::store(m_dataDir, positionTwips(), isOnTop(), m_features, false);
    if (!failures.isEmpty())
        qWarning("%s", qUtf8Printable(ExitStore::failureText(failures, m_dataDir)));
}

void Form1::Picture1_MouseDown(Qt::MouseButton button, const QPoint& globalPosition)
{
    controlTouched();
    if (button == Qt::RightButton)
        openBoardMenu(globalPosition);
    else
        setCursor(Qt::SizeAllCursor);
}

void Form1::Picture1_Click()
{
    controlTouched();
    m_drag.surfaceClicked();
}

void Form1::Form_DblClick()
{
    controlTouched();
    for (const auto& feature : m_features)
        feature->surfaceDoubleClicked();
}

void Form1::dragStep(Qt::MouseButtons held, QPointF pointer)
{
    if (const auto moved = m_drag.mouseMove(held, pointer, positionTwips()))
        moveToTwips(*moved);
}

void Form1::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        openBoardMenu(event->globalPosition().toPoint());
    else
        setCursor(Qt::SizeAllCursor);
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    dragStep(event->buttons(), twipsOf(event));
}

void Form1::mouseReleaseEvent(QMouseEvent* event)
{
    unsetCursor();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_drag.surfaceClicked();
}

void Form1::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a press all the same: the right button opens the menu.
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Form_DblClick();
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    // The keyboard's way to the board menu, as on every desktop: the Menu key, or Shift+F10.
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10) {
        QWidget::keyPressEvent(event);
        return;
    }
    openBoardMenu(mapToGlobal(rect().center()));
}

void Form1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kBorderColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_painted) {
        m_painted = true;
        for (auto& action : std::exchange(m_afterFirstPaint, {}))
            QTimer::singleShot(0, this, std::move(action));
    }
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_exiting)
        Q_EMIT closedWithoutExit();
}
