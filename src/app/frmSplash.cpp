#include "app/frmSplash.h"

#include <algorithm>
#include <chrono>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPalette>
#include <QTimer>

#include "core/ShippedPicture.h"
#include "core/Twips.h"
#include "platform/Dialogs.h"
#include "platform/InstanceGuard.h"
#include "platform/Platform.h"
#include "platform/Screens.h"

namespace
{
constexpr double kWidth = 5400;
constexpr double kHeight = 3000;
constexpr double kLoadingTop = 2460;
constexpr double kLoadingLeft = 300;
constexpr double kBandDeviceLines = 63;
constexpr int kPauseSlackMs = 4;

QFrame* decorativeLine(QWidget* parent, const QRect& place)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(place);
    return line;
}
} // namespace

frmSplash::frmSplash(Platform& platform, const DataDir& dataDir, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_platform(platform)
    , m_dataDir(dataDir)
    // Read beside the window's showing, which mostly waits on the display server and the window manager.
    , m_reading(std::async(std::launch::async, [path = m_dataDir.shippedFile(QStringLiteral("pictures/splash.bmp"))] {
        return ShippedPicture::readImage(path);
    }))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(Twips::sizeToPixels(kWidth, kHeight));
    // Behind the picture, and in its place should the file be missing, a deep blue keeps the text readable.
    QPalette backdrop = palette();
    backdrop.setColor(QPalette::Window, QColor(0x1C, 0x3A, 0x66));
    setPalette(backdrop);
    setAutoFillBackground(true);
}

void frmSplash::paintEvent(QPaintEvent*)
{
    // In bands of fewer than 64 device lines: Qt hands a taller picture to its pool of painting threads, whose
    // start-up (two threads, each with its own stack and heap) costs more than drawing this picture here.
    const int band = std::max(1, static_cast<int>(kBandDeviceLines / devicePixelRatioF()));
    if (m_reading.valid())
        m_picture = m_reading.get();
    QPainter painter(this);
    for (int top = 0; top < m_picture.height(); top += band)
        painter.drawImage(QPoint(0, top), m_picture, QRect(0, top, m_picture.width(), band));
}

bool frmSplash::Form_Load(const std::function<void()>& showBoard,
                          const std::function<void()>& prepareBoard,
                          int pauseMs)
{
    if (!m_platform.instanceGuard.tryAcquire()) {
        m_platform.dialogs.message(
            {tr("You are already running Zendra 98."), tr("Oops!"), MessageIcon::Information, MessageButtons::Ok});
        return false;
    }

    if (const QRect primary = m_platform.screens.primary(); !primary.isEmpty())
        move(primary.center() - rect().center());
    m_prepareBoard = prepareBoard;
    show();

    // The second counts from the moment the splash is on screen. Qt lets a splash window paint before show()
    // returns, and finishing that frame takes a while; where it paints later, the second starts now.
    QElapsedTimer since = m_onScreen;
    if (!since.isValid())
        since.start();
    // The pause lets the animation and repainting go on; nothing sleeps. The event loop's timers wake it up to
    // a millisecond or two late, which would hold the board back by as much: the timer wakes it just before the
    // second is up, and the last moments let events run until the second has passed.
    QEventLoop pause;
    const qint64 timerMs = std::max<qint64>(0, pauseMs - since.elapsed() - kPauseSlackMs);
    QTimer::singleShot(std::chrono::milliseconds(timerMs), Qt::PreciseTimer, &pause, &QEventLoop::quit);
    pause.exec();
    while (since.elapsed() < pauseMs)
        QCoreApplication::processEvents();

    showBoard();
    if (m_movie)
        m_movie->stop();
    close();
    return true;
}

bool frmSplash::event(QEvent* event)
{
    const bool firstPaint = event->type() == QEvent::Paint && !m_painted;
    const bool handled = QWidget::event(event);
    if (firstPaint) {
        // The picture has been drawn and goes to the screen now.
        m_painted = true;
        m_onScreen.start();
        // The label, the animation and the lines follow right after that first frame: polishing them loads the
        // fonts and the style, which would hold the picture back.
        QTimer::singleShot(0, this, &frmSplash::showLoading);
    }
    return handled;
}

void frmSplash::showLoading()
{
    AniGIF1 = new QLabel(this);
    AniGIF1->setObjectName(QStringLiteral("AniGIF1"));
    AniGIF1->setGeometry(Twips::rectToPixels(4350, 300, 720, 720));
    m_movie = new QMovie(m_dataDir.shippedFile(QStringLiteral("pictures/splash-anim.gif")), "gif", this);
    AniGIF1->setMovie(m_movie);

    lblLoading = new QLabel(tr("Loading..."), this);
    lblLoading->setObjectName(QStringLiteral("lblLoading"));
    QPalette palette = lblLoading->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    lblLoading->setPalette(palette);
    lblLoading->adjustSize();
    lblLoading->move(Twips::toPixels(kLoadingLeft, kLoadingTop));

    decorativeLine(this, Twips::rectToPixels(300, 2340, kWidth - 600, 30));
    decorativeLine(this, Twips::rectToPixels(300, 2790, kWidth - 600, 30));

    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->show();
    m_movie->start();
    if (m_prepareBoard)
        m_prepareBoard();
}
