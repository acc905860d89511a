#include "core/PictureControl.h"

#include <utility>

#include <QMouseEvent>

#include "core/AccessibleRole.h"
#include "core/Twips.h"

namespace
{
QPointF twipsOf(const QMouseEvent* event)
{
    return {Twips::fromPixels(event->position().x()), Twips::fromPixels(event->position().y())};
}
} // namespace

PictureControl::PictureControl(const QString& objectName, QWidget* parent)
    : QLabel(parent)
{
    AccessibleRole::set(*this, QAccessible::Graphic);
    setObjectName(objectName);
    setMouseTracking(true);
}

void PictureControl::click()
{
    const QPointF middle = QRectF(rect()).center();
    const QPointF twips(Twips::fromPixels(middle.x()), Twips::fromPixels(middle.y()));
    Q_EMIT pressed(Qt::LeftButton, twips, mapToGlobal(middle.toPoint()));
    Q_EMIT released(Qt::LeftButton, twips);
    Q_EMIT clicked(Qt::LeftButton);
}

void PictureControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_releaseEndsDoubleClick = false;
    Q_EMIT pressed(event->button(), twipsOf(event), event->globalPosition().toPoint());
}

void PictureControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    m_releaseEndsDoubleClick = true;
    Q_EMIT pressed(event->button(), twipsOf(event), event->globalPosition().toPoint());
    Q_EMIT doubleClicked(event->button());
}

void PictureControl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT moved(event->buttons(), twipsOf(event));
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool over = rect().contains(event->position().toPoint());
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    Q_EMIT released(event->button(), twipsOf(event));
    const bool clickButton = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (over && !endsDoubleClick && clickButton)
        Q_EMIT clicked(event->button());
}
