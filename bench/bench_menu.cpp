// Menu latency: from a right-button press on the board to the first paint of the board menu, the program list
// re-read from options.dat on the way, against popping up the same menu directly, without the press handling
// and the file read. Prints one "board-menu <ms>" and one "bare-menu <ms>" line per opening.
//
// Usage: bench_menu <data directory> [openings per kind]

#include <cstdio>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include "app/BoardStart.h"
#include "app/RealPlatform.h"
#include "board/Form1.h"
#include "core/DataDir.h"

namespace
{
// Ends a local event loop at the menu's first paint after it was armed.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QEventLoop& loop)
        : m_loop(loop)
    {
    }
    void arm() { m_painted = false; }
    bool painted() const { return m_painted; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            m_loop.quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& m_loop;
    bool m_painted = false;
};

// Lets events run for `ms` milliseconds.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_menu <data directory> [openings]\n");
        return 2;
    }
    const int openings = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100;

    const DataDir dataDir(QString::fromLocal8Bit(argv[1]));
    RealPlatform facilities(dataDir);
    Form1 board(facilities.platform(), dataDir);
    loadBoard(board, buildFeatures(board, facilities.platform(), dataDir), dataDir);
    board.show();
    settle(500);

    QMenu* menu = board.boardMenu();
    QEventLoop loop;
    FirstPaint watch(loop);
    menu->installEventFilter(&watch);
    const QPoint local(80, 40);
    const QPoint global = board.mapToGlobal(local);

    const auto open = [&](bool throughBoard) {
        watch.arm();
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(2000);
        QElapsedTimer elapsed;
        elapsed.start();
        if (throughBoard) {
            QMouseEvent press(
                QEvent::MouseButtonPress, QPointF(local), QPointF(global), Qt::RightButton, Qt::RightButton, {});
            QApplication::sendEvent(&board, &press);
        } else {
            menu->popup(global);
        }
        if (!watch.painted())
            loop.exec();
        const double ms = static_cast<double>(elapsed.nsecsElapsed()) / 1e6;
        menu->hide();
        settle(30);
        return watch.painted() ? ms : -1.0;
    };

    // Unrecorded openings first: the first ones build the menu's native window and fill the font caches.
    for (int i = 0; i < 5; ++i) {
        open(true);
        open(false);
    }
    for (int i = 0; i < openings; ++i) {
        // Alternating spreads any drift of the machine evenly over both kinds.
        std::printf("board-menu %.3f\n", open(true));
        std::printf("bare-menu %.3f\n", open(false));
        std::fflush(stdout);
    }
    return 0;
}
