// Lists the headers of a mailbox and prints how long it took, for bench/run --pop3.
//
//   bench_pop3 client <host:port> <user> <password>   Pop3ClientQt in a Qt event loop, with a 1 ms timer whose
//                                                      worst lateness is the longest stall of that loop
//   bench_pop3 floor <host> <port> <user> <password>  the least a pipelined client must do: greeting, CAPA, the
//                                                      login and STAT in one write, every TOP n 0 as fast as the
//                                                      socket takes them, replies only counted
//
// Both print "messages <n>", "time-ms <t>" (connect to last header) and "hwm-growth-kib <k>" (peak resident
// memory after the check less before it); the client also prints "stall-ms <worst lateness of the 1 ms timer>"
// and "idle-stall-ms <the same over an equal time with no check running>".
#include <arpa/inet.h>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSslSocket>
#include <QTimer>

#include "platform/qt/Pop3ClientQt.h"

namespace
{
long peakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

/// Runs the event loop for `ms` with a 1 ms timer and returns the timer's worst lateness in milliseconds.
double idleStall(int ms)
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
        if (clock.elapsed() >= ms)
            QCoreApplication::quit();
    });
    tick.start(1);
    QCoreApplication::exec();
    return worst;
}

int runClient(const QString& server, const QString& user, const QString& password)
{
    Pop3ClientQt client;
    QElapsedTimer clock;
    double worst = 0;
    qint64 last = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = std::max(worst, (now - last) / 1e6 - 1.0);
        last = now;
    });
    int listed = 0;
    int status = 0;
    qint64 elapsedNs = 0;
    QObject::connect(&client, &Pop3Client::opened, &client, [&](int count) { client.retrieveHeaders(1, count); });
    QObject::connect(&client, &Pop3Client::headersRetrieved, &client, [&](int, const Pop3Headers& headers) {
        listed += headers.subject.isEmpty() ? 0 : 1;
    });
    QObject::connect(&client, &Pop3Client::retrieved, &client, [&] {
        elapsedNs = clock.nsecsElapsed();
        client.close();
        QCoreApplication::quit();
    });
    QObject::connect(&client, &Pop3Client::failed, &client, [&](Pop3Error, const QString& text) {
        std::fprintf(stderr, "bench_pop3: %s\n", qPrintable(text));
        status = 1;
        QCoreApplication::quit();
    });
    // The TLS library loads once per program, at its first check; what is measured is a check.
    QSslSocket::supportsSsl();
    const long before = peakResidentKib();
    clock.start();
    tick.start(1);
    // The benchmark's Dovecot is a plain loopback server (TLS off, so that the client and the floor speak the same
    // POP3): the account says so, as a person would choose no encryption for such a server.
    Pop3Account account;
    account.server = server;
    account.user = user;
    account.password = password;
    account.security = Pop3Security::None;
    client.open(account);
    QCoreApplication::exec();
    tick.stop();
    const long after = peakResidentKib();
    if (status != 0)
        return status;
    const double idle = idleStall(int(elapsedNs / 1'000'000) + 1);
    std::printf("messages %d\ntime-ms %.3f\nhwm-growth-kib %ld\nstall-ms %.3f\nidle-stall-ms %.3f\n",
                listed,
                elapsedNs / 1e6,
                after - before,
                worst,
                idle);
    return 0;
}

/// Counts lines and the lines that hold a single "." (the ends of multi-line replies); keeps the last line.
struct LineCounter
{
    std::string carry;
    std::string lastLine;
    long dots = 0;
    long lines = 0;
    void feed(const char* data, size_t size)
    {
        carry.append(data, size);
        size_t start = 0, lastStart = 0, lastEnd = std::string::npos;
        for (size_t end; (end = carry.find('\n', start)) != std::string::npos; start = end + 1) {
            ++lines;
            if (end - start == 2 && carry[start] == '.' && carry[start + 1] == '\r')
                ++dots;
            lastStart = start;
            lastEnd = end;
        }
        if (lastEnd != std::string::npos)
            lastLine = carry.substr(lastStart, lastEnd - lastStart);
        carry.erase(0, start);
    }
};

int runFloor(const char* host, int port, const std::string& user, const std::string& password)
{
    QElapsedTimer clock;
    const long before = peakResidentKib();
    clock.start();
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    ::inet_pton(AF_INET, host, &address.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        std::perror("bench_pop3: connect");
        return 1;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    static char buffer[65536];
    LineCounter counter;
    auto readUntil = [&](long lines, long dots) {
        while (counter.lines < lines || counter.dots < dots) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got <= 0)
                return false;
            counter.feed(buffer, size_t(got));
        }
        return true;
    };
    auto writeAll = [&](const std::string& text) {
        return ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    };
    if (!readUntil(1, 0) || !writeAll("CAPA\r\n") || !readUntil(2, 1))
        return 1;
    if (!writeAll("USER " + user + "\r\nPASS " + password + "\r\nSTAT\r\n") || !readUntil(counter.lines + 3, 1))
        return 1;
    const long count = std::atol(counter.lastLine.c_str() + 4); // "+OK <count> <size>"
    std::string commands;
    for (long n = 1; n <= count; ++n)
        commands += "TOP " + std::to_string(n) + " 0\r\n";
    // Commands and replies flow at the same time, so that neither side's buffers can stop the other.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    size_t written = 0;
    while (counter.dots < 1 + count) {
        pollfd wait{fd, short(POLLIN | (written < commands.size() ? POLLOUT : 0)), 0};
        ::poll(&wait, 1, 60'000);
        if (wait.revents & POLLOUT) {
            const ssize_t put = ::write(fd, commands.data() + written, commands.size() - written);
            written += put > 0 ? size_t(put) : 0;
        }
        if (wait.revents & POLLIN) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got == 0)
                return 1;
            if (got > 0)
                counter.feed(buffer, size_t(got));
        }
    }
    const qint64 elapsedNs = clock.nsecsElapsed();
    (void)!::write(fd, "QUIT\r\n", 6);
    ::close(fd);
    std::printf("messages %ld\ntime-ms %.3f\nhwm-growth-kib %ld\n", count, elapsedNs / 1e6, peakResidentKib() - before);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QStringLiteral("client"))
        return runClient(args[2], args[3], args[4]);
    if (args.size() == 6 && args[1] == QStringLiteral("floor"))
        return runFloor(argv[2], std::atoi(argv[3]), argv[4], argv[5]);
    std::fprintf(stderr,
                 "usage: bench_pop3 client <host:port> <user> <password>\n"
                 "       bench_pop3 floor <host> <port> <user> <password>\n");
    return 2;
}
