#include "board/Form1.h"

#include <utility>

#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "board/PositionFile.h"
#include "core/Twips.h"
#include "launch/IconStrip.h"
#include "launch/LaunchIconTable.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/Tray.h"
#include "platform/Volume.h"
#include "settings/ApplyOptions.h"
#include "settings/Options.h"

namespace
{
const auto kMailPictureError = QStringLiteral(
    "There was an error reading the email graphic file. Please check to ensure that there is a vaild 'email.gif' "
    "file in the Zendra 98 directory.");
const auto kMailTooltip = QStringLiteral("Click anywhere in the black box to view your email headers.");

// Places on the board, in twips.
constexpr double kVolumeLeft = 2130;
constexpr double kUpTop = 570;
constexpr double kDownTop = 900;
constexpr double kVolumeWidth = 270;
constexpr double kVolumeHeight = 330;
constexpr double kMailLeft = 570;
constexpr double kMailTop = 375;
constexpr double kMailWidth = 1275;
constexpr double kMailHeight = 1035;
constexpr double kMailPictureSize = 750;

const QColor kBorderColour(0x80, 0x80, 0x80);

QRectF screenTwips(const QRect& pixels)
{
    return {Twips::fromPixels(pixels.x()),
            Twips::fromPixels(pixels.y()),
            Twips::fromPixels(pixels.width()),
            Twips::fromPixels(pixels.height())};
}
} // namespace

Form1::Form1(Platform& platform, const DataDir& dataDir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_platform(platform)
    , m_dataDir(dataDir)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zendra 98"));
    setFixedSize(Twips::sizeToPixels(BoardGeometry::kWidthTwips, BoardGeometry::kHeightTwips));
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBoardColour(Qt::black);

    QIcon icon;
    for (const char* name : {"zendra98-16.png", "zendra98-22.png", "zendra98.png", "zendra98-48.png"})
        icon.addPixmap(picture(name));
    setWindowIcon(icon);

    buildControls();
    buildMenus();
}

Form1::~Form1() = default;

QPixmap Form1::picture(const char* name) const
{
    return QPixmap(m_dataDir.file(QStringLiteral("pictures/") + QString::fromLatin1(name)));
}

void Form1::buildControls()
{
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);
    Picture1->hide();

    for (const LaunchIconInfo& info : LaunchIconTable::all()) {
        auto* icon = new QLabel(this);
        icon->setObjectName(QString::fromLatin1(info.objectName));
        icon->setToolTip(QString::fromLatin1(info.tooltip));
        icon->setPixmap(picture(info.picture));
        icon->setGeometry(Twips::rectToPixels(info.left, info.top, info.width, info.height));
        icon->installEventFilter(this);
        icon->hide();
        m_launchIcons[static_cast<std::size_t>(info.id)] = icon;
    }

    const auto volumeButton = [this](const char* name, const char* pictureName, double top) {
        auto* button = new QLabel(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setPixmap(picture(pictureName));
        button->setGeometry(Twips::rectToPixels(kVolumeLeft, top, kVolumeWidth, kVolumeHeight));
        button->installEventFilter(this);
        return button;
    };
    up = volumeButton("up", "up.png", kUpTop);
    down = volumeButton("down", "down.png", kDownTop);

    emailpic = new QLabel(this);
    emailpic->setObjectName(QStringLiteral("emailpic"));
    emailpic->setGeometry(Twips::rectToPixels(kMailLeft, kMailTop, kMailWidth, kMailHeight));
    emailpic->setAutoFillBackground(true);
    QPalette black = emailpic->palette();
    black.setColor(QPalette::Window, Qt::black);
    emailpic->setPalette(black);
    emailpic->installEventFilter(this);
    emailgif = new QLabel(emailpic);
    emailgif->setObjectName(QStringLiteral("emailgif"));
    emailgif->setToolTip(kMailTooltip);
    emailgif->resize(Twips::sizeToPixels(kMailPictureSize, kMailPictureSize));
    Shape1 = new QFrame(emailpic);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setGeometry(emailpic->rect());
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    emailpic->hide();

    // Built last: the strip lies above the launch icons and covers them while it is open.
    picIcons = new IconStrip(m_dataDir.file(QStringLiteral("pictures/")), this);
}

void Form1::Form_Load()
{
    loadMailPicture();
    m_startup = StartupFiles::read(m_dataDir);
    placeLaunchIcons(m_startup.icons);

    const Options& options = m_startup.options;
    ApplyOptions::boardColour(*this, options.colour);
    applyOnTopFlag(m_startup.position.onTop);
    ApplyOptions::trayIcon(*this, options.trayMode);
    placeAtStoredPosition(m_startup.position.left, m_startup.position.top);
    ApplyOptions::launchIconsAtStartup(*this, options);
    ApplyOptions::backgroundAtStartup(*this, options);
}

void Form1::loadMailPicture()
{
    m_mailMovie = new QMovie(m_dataDir.file(QStringLiteral("email.gif")), QByteArray(), this);
    if (!m_mailMovie->isValid() || !m_mailMovie->jumpToFrame(0)) {
        m_platform.dialogs.message({kMailPictureError, QString(), MessageIcon::Critical, MessageButtons::Ok});
    } else {
        emailgif->setMovie(m_mailMovie);
        emailgif->resize(m_mailMovie->currentPixmap().size());
    }
    const double left = (kMailWidth - Twips::fromPixels(emailgif->width())) / 2;
    const double top = (kMailHeight - Twips::fromPixels(emailgif->height())) / 2;
    emailgif->move(Twips::toPixels(left, top));
}

void Form1::placeLaunchIcons(const IconPositions& positions)
{
    for (const LaunchIconInfo& info : LaunchIconTable::all())
        setIconPlace(info.id, positions[info.id]);
}

void Form1::setIconPlace(LaunchIconId id, const IconPlace& place)
{
    m_iconPlaces[id] = place;
    launchIcon(id)->move(Twips::toPixels(place.left, place.top));
}

void Form1::mnuicondefault_Click()
{
    // Icons whose record the read does not reach go to the corner: the reader's values before reading.
    IconPositions defaults;
    defaults.read(m_dataDir, QString::fromLatin1(IconPositions::kDefaultName));
    placeLaunchIcons(defaults);
}

void Form1::clearNoteHighlight()
{
    // The board has no note icons of its own yet, so there is no highlight to take away.
}

bool Form1::launchIconEvent(LaunchIconId id, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const Qt::MouseButton button = mouse->button();
    const QPointF pointer(Twips::fromPixels(mouse->position().x()), Twips::fromPixels(mouse->position().y()));
    if (type == QEvent::MouseButtonRelease) {
        const bool overIcon = launchIcon(id)->rect().contains(mouse->position().toPoint());
        setIconPlace(id, m_iconDrag.release(button, pointer, m_iconPlaces[id], LaunchIconTable::info(id).highestTop));
        if (button == Qt::RightButton)
            unsetCursor();
        const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
        if ((button == Qt::LeftButton || button == Qt::RightButton) && overIcon && !endsDoubleClick)
            launchIcon_Click(id);
        return true;
    }
    // The second press of a double click looks pressed like the first but starts nothing more.
    m_releaseEndsDoubleClick = type == QEvent::MouseButtonDblClick;
    clearNoteHighlight();
    setIconPlace(id, m_iconDrag.press(button, pointer, m_iconPlaces[id]));
    if (button == Qt::RightButton)
        setCursor(Qt::ClosedHandCursor);
    return true;
}

void Form1::launchIcon_Click(LaunchIconId id)
{
    if (!m_iconDrag.clickLaunches())
        return;
    if (id == LaunchIconId::MyPrograms)
        Image1_Click(QCursor::pos());
    else
        m_platform.shell.run(QString::fromLatin1(LaunchIconTable::info(id).command));
}

void Form1::applyOnTopFlag(float flag)
{
    if (flag == 0.0F)
        setOnTop(false);
    else if (flag == 1.0F)
        setOnTop(true);
}

bool Form1::isOnTop() const
{
    return mnuontop->isChecked();
}

void Form1::setOnTop(bool onTop)
{
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
    Options options;
    options.readAll(m_dataDir);
    const bool onTop = !isOnTop();
    setOnTop(onTop);
    if (options.trayMode == static_cast<float>(TrayMode::WhileNotOnTop)) {
        if (onTop)
            removeTrayIcon();
        else
            showTrayIcon();
    }
    PositionFile::rewriteFlag(m_dataDir, onTop ? 1 : 0);
}

void Form1::placeAtStoredPosition(float left, float top)
{
    const QRect stored(Twips::toPixels(left, top), size());
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->geometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QPoint place = BoardGeometry::visiblePlacement(stored, screens, primary ? primary->geometry() : QRect());
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
    const QSize outer = frameGeometry().size();
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
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    moveToTwips(BoardGeometry::dockedPosition(corner, screenTwips(primary->geometry()), sizeTwips()));
}

void Form1::up_Click()
{
    if (const auto volume = m_platform.volume.volume())
        m_platform.volume.setVolume(VolumeStep::apply(*volume, VolumeStep::kStep));
}

void Form1::down_Click()
{
    if (const auto volume = m_platform.volume.volume())
        m_platform.volume.setVolume(VolumeStep::apply(*volume, -VolumeStep::kStep));
}

void Form1::setBoardColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void Form1::showTrayIcon()
{
    m_platform.tray.addIcon(kTrayIconId, windowIcon(), QString::fromLatin1(kTrayTooltip));
}

void Form1::removeTrayIcon()
{
    m_platform.tray.removeIcon(kTrayIconId);
}

void Form1::mnuExit_Click()
{
    m_exiting = true;
    removeTrayIcon();

    QStringList failures;
    const QPointF place = positionTwips();
    const PositionFile position{isOnTop() ? 1.0F : 0.0F, static_cast<float>(place.x()), static_cast<float>(place.y())};
    if (!position.write(m_dataDir))
        failures << QString::fromLatin1(PositionFile::kName);
    iconpossave(failures);

    if (!failures.isEmpty()) {
        m_platform.dialogs.message({QStringLiteral("Zendra 98 could not save %1 in %2. The files there are unchanged.")
                                        .arg(failures.join(QStringLiteral(" and ")), m_dataDir.directory()),
                                    QString(),
                                    MessageIcon::Critical,
                                    MessageButtons::Ok});
    }
    Q_EMIT exitRequested();
}

void Form1::iconpossave(QStringList& failures)
{
    if (!m_iconPlaces.write(m_dataDir, QString::fromLatin1(IconPositions::kSavedName)))
        failures << QString::fromLatin1(IconPositions::kSavedName);
}

void Form1::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        openBoardMenu(event->globalPosition().toPoint());
    else
        setCursor(Qt::SizeAllCursor);
}

void Form1::surfaceMouseMove(QMouseEvent* event)
{
    const QPointF pointer(Twips::fromPixels(event->position().x()), Twips::fromPixels(event->position().y()));
    if (const auto moved = m_drag.mouseMove(event->buttons(), pointer, positionTwips()))
        moveToTwips(*moved);
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    surfaceMouseMove(event);
}

void Form1::mouseReleaseEvent(QMouseEvent* event)
{
    unsetCursor();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_drag.surfaceClicked();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    for (const LaunchIconInfo& info : LaunchIconTable::all()) {
        if (watched == launchIcon(info.id))
            return launchIconEvent(info.id, event);
    }
    if (watched == Picture1) {
        switch (type) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            clearNoteHighlight();
            if (mouse->button() == Qt::RightButton)
                openBoardMenu(mouse->globalPosition().toPoint());
            else
                setCursor(Qt::SizeAllCursor);
            return true;
        }
        case QEvent::MouseMove:
            surfaceMouseMove(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            unsetCursor();
            if (mouse->button() == Qt::LeftButton && Picture1->rect().contains(mouse->position().toPoint()))
                m_drag.surfaceClicked();
            return true;
        }
        default:
            return false;
        }
    }
    if ((watched == up || watched == down) && type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            if (watched == up)
                up_Click();
            else
                down_Click();
        }
        return true;
    }
    if (watched == emailpic && m_mailMovie && m_mailMovie->isValid()) {
        // The animation runs only while the indicator shows, so an idle board costs no CPU.
        if (type == QEvent::Show)
            m_mailMovie->start();
        else if (type == QEvent::Hide)
            m_mailMovie->stop();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kBorderColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_exiting)
        Q_EMIT closedWithoutExit();
}
