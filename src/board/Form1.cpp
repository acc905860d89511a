#include "board/Form1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "board/ExitStore.h"
#include "board/PositionFile.h"
#include "board/VolumeButtons.h"
#include "core/AccessibleRole.h"
#include "core/PictureControl.h"
#include "core/ShippedPicture.h"
#include "core/Twips.h"
#include "email/MailController.h"
#include "info/InfoWindows.h"
#include "launch/LaunchIcons.h"
#include "netsearch/frmnetsearch.h"
#include "notes/NoteSlots.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Screens.h"
#include "platform/Tray.h"
#include "scratch/ScratchPad.h"
#include "settings/ApplyOptions.h"
#include "settings/Options.h"

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

    // Every size is drawn: a panel or a task bar picks the one that fits and never blurs a smaller one up.
    QIcon icon;
    for (const char* size : {"-16", "-22", "-24", "", "-48", "-64", "-128"})
        icon.addPixmap(picture(QByteArray("zendra98").append(size).append(".png").constData()));
    setWindowIcon(icon);

    buildControls();
    buildMenus();
}

Form1::~Form1()
{
    // The net search window is a window of its own; it goes with the board, storing nothing.
    delete m_netSearch;
}

QPixmap Form1::picture(const char* name) const
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

    m_launch = std::make_unique<LaunchIcons>(m_platform, m_dataDir, *this);

    m_volume =
        std::make_unique<VolumeButtons>(m_platform.volume, *this, [this](const char* name) { return picture(name); });

    m_mail = std::make_unique<MailController>(m_platform, m_dataDir, *this);
    // Last, so that the open scratch pad lies above the volume buttons it overlaps.
    m_notes = std::make_unique<NoteSlots>(m_platform, m_dataDir, *this);
    m_scratch = std::make_unique<ScratchPad>(m_platform, m_dataDir, *this);
    m_info = std::make_unique<InfoWindows>(m_platform, m_dataDir, *this);
    connect(m_notes.get(), &NoteSlots::aboutRequested, m_info.get(), &InfoWindows::mnuAbout_Click);
}

void Form1::Form_Load(const LoadFiles& files)
{
    m_mail->startUp(files.email);
    m_launch->placeIcons(files.icons);
    m_launch->setPrograms(files.options.programs);
    ApplyOptions::boardColour(*this, files.options.colour);
    m_scratch->startUp(files.autosave, files.scratch);
    applyOnTopFlag(files.position.onTop);
    ApplyOptions::trayIcon(*this, files.options.trayMode);
    placeAtStoredPosition(files.position.left, files.position.top);
    m_notes->startUp(files.notes);
    ApplyOptions::launchIconsAtStartup(*this, files.options);
    ApplyOptions::backgroundAtStartup(*this, files.options);
    m_info->startUp(files.tipset);
    m_loaded = true;
}

void Form1::clearNoteHighlight()
{
    m_notes->clearHighlight();
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

void Form1::setControlVisible(const QString& objectName, bool visible)
{
    if (auto* control = findChild<QWidget*>(objectName, Qt::FindDirectChildrenOnly))
        control->setVisible(visible);
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
    m_platform.tray.addIcon(kTrayIconId, windowIcon(), tr(kTrayTooltip));
}

void Form1::removeTrayIcon()
{
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

    const QStringList failures = ExitStore::store(m_dataDir, positionTwips(), isOnTop(), *m_scratch, *m_launch, true);
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
    const QStringList failures = ExitStore::store(m_dataDir, positionTwips(), isOnTop(), *m_scratch, *m_launch, false);
    if (!failures.isEmpty())
        qWarning("%s", qUtf8Printable(ExitStore::failureText(failures, m_dataDir)));
}

void Form1::Picture1_MouseDown(Qt::MouseButton button, const QPoint& globalPosition)
{
    clearNoteHighlight();
    if (button == Qt::RightButton)
        openBoardMenu(globalPosition);
    else
        setCursor(Qt::SizeAllCursor);
}

void Form1::Picture1_Click()
{
    clearNoteHighlight();
    m_drag.surfaceClicked();
}

void Form1::Form_DblClick()
{
    clearNoteHighlight();
    m_scratch->open();
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
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_exiting)
        Q_EMIT closedWithoutExit();
}
