#include "app/TerminationSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace
{
constexpr std::array kSignals{SIGTERM, SIGHUP};

// The write end for the handler: a plain int, the only state a signal handler may touch.
volatile sig_atomic_t writeEnd = -1;
int readEnd = -1;

extern "C" void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full socket already holds a byte that wakes the notifier; the result does not matter.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals)
        sigaction(number, &action, nullptr);
}
} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    std::array<int, 2> ends{};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends.data()) != 0)
        return;
    readEnd = ends[0];
    writeEnd = ends[1];
    m_notifier = new QSocketNotifier(static_cast<qintptr>(readEnd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    setHandler(onSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    setHandler(SIG_DFL);
    delete m_notifier;
    ::close(readEnd);
    ::close(writeEnd);
    readEnd = -1;
    writeEnd = -1;
}

void TerminationSignals::readSignal()
{
    std::array<char, 16> bytes{};
    while (::read(readEnd, bytes.data(), bytes.size()) > 0) {
    }
    m_arrived = true;
    Q_EMIT received();
}
