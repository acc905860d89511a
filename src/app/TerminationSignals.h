#pragma once

#include <QObject>

class QSocketNotifier;

/// SIGTERM and SIGHUP (the session ends, the system shuts down, `kill`) brought onto the user-interface thread:
/// the handler only writes a byte into a socket pair, and a notifier on the other end emits `received` from the
/// event loop, where the program can store its files and quit cleanly. One instance at a time.
class TerminationSignals final : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    /// False when the socket pair could not be made: the signals then end the program as they would anyway.
    bool installed() const { return m_notifier != nullptr; }
    /// Set once a signal has arrived, also when it came before the event loop ran.
    bool arrived() const { return m_arrived; }

Q_SIGNALS:
    void received();

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
    bool m_arrived = false;
};
