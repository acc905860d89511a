#include "platform/qt/NotifierDBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

using namespace Qt::StringLiterals;

void NotifierDBus::notify(const QString& title, const QString& body)
{
    // The desktop has usually connected the session bus already (tray, theme); without one there is nobody to tell.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto message = QDBusMessage::createMethodCall(u"org.freedesktop.Notifications"_s,
                                                  u"/org/freedesktop/Notifications"_s,
                                                  u"org.freedesktop.Notifications"_s,
                                                  u"Notify"_s);
    // Application name, no notification to replace, icon, summary, body, no actions, no hints, the server's own
    // display time.
    // The body may be read as markup by the notification server; what it shows of a mail is text, so it is escaped.
    message << u"Zendra 98"_s << 0u << u"zendra98"_s << title << body.toHtmlEscaped() << QStringList() << QVariantMap()
            << -1;
    // Sent without waiting: the reply (the notification's number, or an error when no service is there) is of
    // no use to us.
    bus.send(message);
}
