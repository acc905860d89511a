#include <QDBusConnection>

#include "PrivateBus.h"
#include "TestSupport.h"
#include "platform/qt/NotifierDBus.h"

/// Stands in for the desktop's notification service and records what each Notify carried.
class NotificationService final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList received;

public Q_SLOTS:
    uint Notify(const QString& app,
                uint replaces,
                const QString& icon,
                const QString& summary,
                const QString& body,
                const QStringList& actions,
                const QVariantMap& hints,
                int timeout)
    {
        received << u"%1|%2|%3|%4|%5|%6|%7|%8"_s.arg(app)
                        .arg(replaces)
                        .arg(icon, summary, body)
                        .arg(actions.size())
                        .arg(hints.size())
                        .arg(timeout);
        return 7;
    }
};

class tst_Notifier final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aNotificationReachesTheDesktopsService()
    {
        PrivateBus bus;
        QVERIFY2(!bus.address().isEmpty(), "dbus-daemon (Debian package dbus-daemon) did not start");
        // Before the process's first use of the session bus, which the notifier reaches for.
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());

        NotificationService service;
        auto connection = QDBusConnection::connectToBus(bus.address(), u"notification-service"_s);
        QVERIFY(
            connection.registerObject(u"/org/freedesktop/Notifications"_s, &service, QDBusConnection::ExportAllSlots));
        QVERIFY(connection.registerService(u"org.freedesktop.Notifications"_s));

        NotifierDBus notifier;
        // The body is text: a subject that looks like markup arrives escaped, as the service may read markup.
        notifier.notify(u"New mail"_s, u"3 new messages: <a href=\"x\">Lunch</a> & more"_s);
        QTRY_COMPARE(
            service.received,
            QStringList{u"Zendra 98|0|zendra98|New mail|3 new messages: &lt;a href=&quot;x&quot;&gt;Lunch&lt;/a&gt; "
                        u"&amp; more|0|0|-1"_s});
        QDBusConnection::disconnectFromBus(u"notification-service"_s);
    }
};

QTEST_GUILESS_MAIN(tst_Notifier)
#include "tst_Notifier.moc"
