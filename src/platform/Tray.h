#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>

/// The notification-area icon. The program uses one icon, identifier 1.
class Tray : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    virtual void addIcon(int id, const QIcon& icon, const QString& tooltip) = 0;
    virtual void removeIcon(int id) = 0;

Q_SIGNALS:
    void leftClicked(int id);
    void leftDoubleClicked(int id);
    void rightClicked(int id, QPoint globalPosition);
};
