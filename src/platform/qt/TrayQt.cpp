#include "platform/qt/TrayQt.h"

#include <QCursor>
#include <QSystemTrayIcon>

TrayQt::TrayQt(QObject* parent)
    : Tray(parent)
{
}

void TrayQt::addIcon(int id, const QIcon& icon, const QString& tooltip)
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            switch (reason) {
            case QSystemTrayIcon::Trigger:
                Q_EMIT leftClicked(m_id);
                break;
            case QSystemTrayIcon::DoubleClick:
                Q_EMIT leftDoubleClicked(m_id);
                break;
            case QSystemTrayIcon::Context:
                Q_EMIT rightClicked(m_id, QCursor::pos());
                break;
            default:
                break;
            }
        });
    }
    m_id = id;
    m_icon->setIcon(icon);
    m_icon->setToolTip(tooltip);
    m_icon->show();
}

void TrayQt::removeIcon(int id)
{
    if (m_icon && id == m_id)
        m_icon->hide();
}
