// The board's mail check of a large mailbox, for bench/run --pop3.
//
//   bench_mail <host:port> <user> <password> [<rows> [<first rows>]]
//
// Starts the board on a fresh data folder whose email.dat points at the mailbox, runs the board's "Check Email"
// and waits until the check has ended. A 1 ms timer runs in the board's event loop the whole time: its worst
// lateness is the longest stall the board had. Prints "messages <message rows listed>", "not-listed <the count in
// the last row "N more message(s) not listed", 0 without it>", "time-ms <menu item to end>", "stall-ms <worst
// lateness>", "idle-stall-ms <the same with the board idle>", "rss-growth-kib <resident memory after the check
// less before it>", "hwm-growth-kib <peak resident memory during the check less the resident memory before it>",
// "text-kib <the listed texts' own size, UTF-16>", "longest-subject <the longest Subject cell, characters>", and
// "stall-at-ms" and "stall-at-rows": when the worst stall ended (since the menu item) and the rows listed then.
//
// With <rows>, a list of another number of message rows fails the run. With <first rows>, it also prints
// "first-rows-stall-ms": the worst lateness from the menu item until that many messages are in the list (the tick
// that finds them there included), the stall the board has while the mailbox's first messages are listed.
//
// A message box during the check (a failed login, messages that could not be read) would wait for a click that
// never comes: it fails the run, its text on stderr.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
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
long statusKib(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

long residentKib()
{
    // What the allocator keeps of freed memory (the POP3 session's buffers) is not the list's: it goes back first.
    malloc_trim(0);
    return statusKib("VmRSS:");
}

/// Sets the peak resident memory back to the present resident memory (Linux 4.0 on), so that the peak read after
/// the check is the check's own and not the board's start-up's. False where the kernel refuses.
bool resetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

/// Runs the event loop until `done` and returns the worst lateness of a 1 ms timer meanwhile, in milliseconds.
/// `each` gets the lateness of every tick. A message box fails the run at once: nobody would answer it.
double worstStall(
    const std::function<bool()>& done, int atLeastMs, const std::function<void(double)>& each = [](double) {})
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    double worst = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const double lateness = (now - last) / 1e6 - 1.0;
        worst = std::max(worst, lateness);
        last = now;
        each(lateness);
        if (const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "bench_mail: a message box came up: %s\n", qPrintable(box->text()));
            std::fflush(stderr);
            std::_Exit(1);
        }
        if (done() && clock.elapsed() >= atLeastMs)
            QCoreApplication::quit();
    });
    tick.start(1);
    QCoreApplication::exec();
    return worst;
}

/// The count in the check's last row "N more message(s) not listed", or 0 when the list has no such row.
qint64 notListed(const MailListModel& list)
{
    const int last = list.rowCount() - 1;
    const QString subject = list.text(last, 1);
    if (last < 1 || !list.text(last, 0).isEmpty() || !subject.endsWith(QLatin1String(" more message(s) not listed")))
        return 0;
    return subject.section(u' ', 0, 0).toLongLong();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4 || argc > 6) {
        std::fprintf(stderr, "usage: bench_mail <host:port> <user> <password> [<rows> [<first rows>]]\n");
        return 2;
    }
    const int expectedRows = argc > 4 ? std::atoi(argv[4]) : -1;
    const int firstRows = argc > 5 ? std::atoi(argv[5]) : 0;
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
    const BoardFeatures features = buildFeatures(board, platform.platform(), dataDir);
    loadBoard(board, features, dataDir);
    board.show();
    // The TLS library loads once per program, at its first check; what is measured is a check.
    QSslSocket::supportsSsl();
    MailController& mail = *features.mail;
    // The list window loads now, so that its own memory is not counted as the rows'.
    mail.emailpic_Click();
    worstStall([] { return true; }, 200);
    const MailListModel& list = mail.mailList()->list();
    const long before = residentKib();
    const bool peakReset = resetPeakResident();
    const long peakBefore = peakReset ? before : statusKib("VmHWM:");

    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(0, &mail, &MailController::mnccheckemail_Click);
    bool started = false;
    // The check empties the rows it starts with, so a row counts as listed once it has a sender again.
    bool firstListed = firstRows <= 0;
    double firstStall = 0;
    // Where the worst stall ended: time since the menu item and the rows in the list then, to tell what caused it.
    double worstSoFar = -1, worstAtMs = 0;
    int worstAtRows = 0;
    const double stall = worstStall(
        [&] {
            started = started || mail.check().running();
            return started && !mail.check().running();
        },
        0,
        [&](double lateness) {
            if (lateness > worstSoFar) {
                worstSoFar = lateness;
                worstAtMs = clock.nsecsElapsed() / 1e6;
                worstAtRows = list.rowCount() - 1;
            }
            if (firstListed)
                return;
            firstStall = std::max(firstStall, lateness);
            firstListed = list.rowCount() > firstRows && !list.text(firstRows, 0).isEmpty();
        });
    const double elapsedMs = clock.nsecsElapsed() / 1e6;
    const long peakAfter = statusKib("VmHWM:");
    const long after = residentKib();
    const double idle = worstStall([] { return true; }, int(elapsedMs) + 1);

    const qint64 more = notListed(list);
    const int messages = list.rowCount() - 1 - (more > 0 ? 1 : 0);
    qint64 textBytes = 0;
    qsizetype longestSubject = 0;
    for (int row = 1; row <= messages; ++row) {
        for (int column = 0; column < 3; ++column)
            textBytes += list.text(row, column).size() * qsizetype(sizeof(QChar));
        longestSubject = std::max(longestSubject, list.text(row, 1).size());
    }
    std::printf("messages %d\nnot-listed %lld\ntime-ms %.3f\nstall-ms %.3f\nidle-stall-ms %.3f\nrss-growth-kib %ld\n"
                "hwm-growth-kib %ld\nhwm-reset %d\ntext-kib %.1f\nlongest-subject %lld\n",
                messages,
                static_cast<long long>(more),
                elapsedMs,
                stall,
                idle,
                after - before,
                peakAfter - peakBefore,
                peakReset ? 1 : 0,
                textBytes / 1024.0,
                static_cast<long long>(longestSubject));
    std::printf("stall-at-ms %.3f\nstall-at-rows %d\n", worstAtMs, worstAtRows);
    if (firstRows > 0)
        std::printf("first-rows-stall-ms %.3f\n", firstListed ? firstStall : -1.0);
    if (expectedRows >= 0 && messages != expectedRows) {
        std::fprintf(stderr, "bench_mail: the list holds %d messages, not %d\n", messages, expectedRows);
        return 1;
    }
    return 0;
}
