#include "app/Application.h"

#include <future>
#include <memory>
#include <optional>

#include <QApplication>
#include <QBackingStore>
#include <QSessionManager>

#include "app/BoardStart.h"
#include "app/CommandLine.h"
#include "app/RealPlatform.h"
#include "app/TerminationSignals.h"
#include "app/Translations.h"
#include "app/frmSplash.h"
#include "board/Form1.h"
#include "core/DataDir.h"
#include "core/Version.h"

namespace
{
// On Wayland the board could neither place itself nor stay on top; XWayland lets it do both.
void preferX11()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
} // namespace

int runApplication(int argc, char** argv, const std::function<void(QApplication&)>& afterCreate)
{
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    preferX11();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zendra 98"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision));
    // The desktop matches the windows with the installed desktop entry, named after the AppStream id: its name and
    // icon, startup notification.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tovane.zendra98"));
    // Only the board's "Exit" ends the program; a closed splash must not.
    QApplication::setQuitOnLastWindowClosed(false);
    if (afterCreate)
        afterCreate(app);

    const DataDir dataDir = DataDir::ofApplication();
    const Translations translations(dataDir);
    RealPlatform facilities(dataDir);
    Platform& platform = facilities.platform();
    std::unique_ptr<Form1> board;
    BoardFeatures features;
    // The end of the session, a termination signal and any other quit store what "Exit" stores, without asking.
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received, &app, [&board] {
        if (board)
            board->sessionEnding();
        QApplication::quit();
    });
    // An installed program's first start fills the user's data folder. The copies wait for the disk, so they run
    // beside the splash's pause rather than on this thread. Only the one instance of this data directory gets
    // this far, so no other process copies into the folder meanwhile.
    std::future<QStringList> seeding;
    const auto prepareBoard = [&] {
        if (!seeding.valid())
            seeding = std::async(std::launch::async, [dataDir] { return dataDir.seed(); });
        // Built once: a late first paint of the splash may come while the board already loads.
        if (board)
            return;
        board = std::make_unique<Form1>(platform, dataDir);
        features = buildFeatures(*board, platform, dataDir);
        board->winId(); // the native window too, so that the board only loads and maps when the pause ends
        // And its drawing surface (on X11 a shared-memory image the server attaches to, one round trip), so that
        // the board's first paint starts drawing at once.
        if (QBackingStore* surface = board->backingStore())
            surface->resize(board->size());
        QObject::connect(board.get(), &Form1::exitRequested, &app, &QApplication::quit);
        QObject::connect(board.get(), &Form1::closedWithoutExit, &app, &QApplication::quit);
        QObject::connect(&app, &QGuiApplication::commitDataRequest, board.get(), [&board](QSessionManager&) {
            board->sessionEnding();
        });
        QObject::connect(&app, &QCoreApplication::aboutToQuit, board.get(), &Form1::sessionEnding);
    };
    auto splash = std::make_unique<frmSplash>(platform, dataDir);
    const bool started = splash->Form_Load(
        [&] {
            prepareBoard();
            seeding.wait();
            loadBoard(*board, features, dataDir);
            board->show();
        },
        prepareBoard);
    // The splash has hidden itself; tearing down its window and animation waits for the board's first paint,
    // which the window manager brings meanwhile.
    if (started && board)
        board->afterFirstPaint([&splash] { splash.reset(); });
    else
        splash.reset();
    // A signal handled during the splash's pause came before there was an event loop to quit.
    if (!started || terminations.arrived())
        return 0;
    return QApplication::exec();
}
