#pragma once

#include "platform/Tray.h"

class QSystemTrayIcon;

/// QSystemTrayIcon. Where no tray host runs, the icon is kept and appears once a host starts.
class TrayQt final : public Tray
{
    Q_OBJECT

public:
    explicit TrayQt(QObject* parent = nullptr);
    void addIcon(int id, const QIcon& icon, const QString& tooltip) override;
    void removeIcon(int id) override;

private:
    QSystemTrayIcon* m_icon = nullptr;
    int m_id = 0;
};
