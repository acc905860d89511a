// The board's mail check of a large mailbox, for bench/run --pop3.
//
//   bench_mail <host:port> <user> <password>
//
// Starts the board on a fresh data folder whose email.dat points at the mailbox, runs the board's "Check Email"
// and waits until the check has ended. A 1 ms timer runs in the board's event loop the whole time: its worst
// lateness is the longest stall the board had. Prints "messages <rows listed>", "time-ms <menu item to end>",
// "stall-ms <worst lateness>", "idle-stall-ms <the same with the board idle>", "rss-growth-kib <resident memory
// after the check less before it>" and "text-kib <the listed texts' own size, UTF-16>".
#include <cstdio>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTimer>

#include "app/BoardStart.h"
#include "app/RealPlatform.h"
#include "board/Form1.h"
#include "email/MailCheck.h"
#include "email/MailController.h"
#include "email/frmEmail.h"

namespace
{
long residentKib()
{
    // What the allocator keeps of freed memory (the POP3 session's buffers) is not the list's: it goes back first.
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

/// Runs the event loop until `done` and returns the worst lateness of a 1 ms timer meanwhile, in milliseconds.
double worstStall(const std::function<bool()>& done, int atLeastMs)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    double worst = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = std::max(worst, (now - last) / 1e6 - 1.0);
        last = now;
        if (done() && clock.elapsed() >= atLeastMs)
            QCoreApplication::quit();
    });
    tick.start(1);
    QCoreApplication::exec();
    return worst;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_mail <host:port> <user> <password>\n");
        return 2;
    }
    QTemporaryDir folder;
    const DataDir dataDir(folder.path());
    QFile email(dataDir.file(QStringLiteral("email.dat")));
    if (!email.open(QIODevice::WriteOnly))
        return 1;
    email.write(
        QStringLiteral("1\r\n9999999\r\n\"%1\"\r\n\"%2\"\r\n\"%3\"\r\n\"me@example.org\"\r\n\"\"\r\n")
            .arg(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[1]))
            .toUtf8());
    email.close();
    // The mailboxes it checks are plain loopback servers without TLS: emailsec.dat beside email.dat says the
    // account's connection is not encrypted (security 2), with no certificate trusted.
    QFile security(dataDir.file(QStringLiteral("emailsec.dat")));
    if (!security.open(QIODevice::WriteOnly))
        return 1;
    security.write("2\r\n\"\"\r\n\"\"\r\n");
    security.close();
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/../zendra98/email.gif"),
                dataDir.file(QStringLiteral("email.gif")));

    RealPlatform platform(dataDir);
    Form1 board(platform.platform(), dataDir);
    loadBoard(board, dataDir);
    board.show();
    // The TLS library loads once per program, at its first check; what is measured is a check.
    QSslSocket::supportsSsl();
    MailController& mail = board.mail();
    // The list window loads now, so that its own memory is not counted as the rows'.
    mail.emailpic_Click();
    worstStall([] { return true; }, 200);
    const long before = residentKib();

    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(0, &mail, &MailController::mnccheckemail_Click);
    bool started = false;
    const double stall = worstStall(
        [&] {
            started = started || mail.check().running();
            return started && !mail.check().running();
        },
        0);
    const double elapsedMs = clock.nsecsElapsed() / 1e6;
    const long after = residentKib();
    const double idle = worstStall([] { return true; }, int(elapsedMs) + 1);

    const MailListModel& list = mail.mailList()->list();
    qint64 textBytes = 0;
    for (int row = 1; row < list.rowCount(); ++row) {
        for (int column = 0; column < 3; ++column)
            textBytes += list.text(row, column).size() * qsizetype(sizeof(QChar));
    }
    std::printf("messages %d\ntime-ms %.3f\nstall-ms %.3f\nidle-stall-ms %.3f\nrss-growth-kib %ld\ntext-kib %.1f\n",
                list.rowCount() - 1,
                elapsedMs,
                stall,
                idle,
                after - before,
                textBytes / 1024.0);
    return 0;
}
