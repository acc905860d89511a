#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

/// A D-Bus session bus of the test's own, listening in a fresh temporary folder and starting no service on
/// demand, so that nothing of the user's session is reached and two test runs at once do not meet. Stopped with
/// the object.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();

    /// For DBUS_SESSION_BUS_ADDRESS; empty when dbus-daemon did not start.
    QString address() const { return m_address; }
    /// A temporary folder that lives as long as the bus.
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
};
