#include "platform/qt/ScreensQt.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

QList<QRect> ScreensQt::geometries() const
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->geometry();
    return screens;
}

QRect ScreensQt::primary() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QPoint ScreensQt::pointer() const
{
    return QCursor::pos();
}
