#include "info/InfoPictures.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

PaintedPicture::PaintedPicture(const QString& objectName, Painter painter, QWidget* parent)
    : QWidget(parent)
    , m_painter(std::move(painter))
{
    setObjectName(objectName);
}

void PaintedPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_painter(painter, QRectF(rect()));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PaintedPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PaintedPicture::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT keyPressed(event);
    // Space or Return on a picture that takes the focus acts as a click, so the keyboard reaches it too.
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (plain && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        Q_EMIT clicked();
    else
        QWidget::keyPressEvent(event);
}

void PaintedPicture::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void PaintedPicture::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void InfoPictures::lightBulb(QPainter& painter, const QRectF& area)
{
    const double s = std::min(area.width(), area.height());
    const QPointF c = area.center();
    QRadialGradient glow(c - QPointF(0, s * 0.1), s * 0.35);
    glow.setColorAt(0, QColor(255, 255, 200));
    glow.setColorAt(1, QColor(250, 210, 40));
    painter.setPen(QPen(QColor(120, 90, 0), s * 0.03));
    painter.setBrush(glow);
    painter.drawEllipse(c - QPointF(0, s * 0.1), s * 0.3, s * 0.3);
    painter.setBrush(QColor(150, 150, 150));
    painter.setPen(QPen(QColor(70, 70, 70), s * 0.02));
    painter.drawRoundedRect(QRectF(c.x() - s * 0.13, c.y() + s * 0.18, s * 0.26, s * 0.2), s * 0.04, s * 0.04);
    painter.drawLine(QPointF(c.x() - s * 0.13, c.y() + s * 0.25), QPointF(c.x() + s * 0.13, c.y() + s * 0.25));
    painter.drawLine(QPointF(c.x() - s * 0.13, c.y() + s * 0.31), QPointF(c.x() + s * 0.13, c.y() + s * 0.31));
}

void InfoPictures::programIcon(QPainter& painter, const QRectF& area)
{
    const double s = std::min(area.width(), area.height());
    const QRectF board(area.center().x() - s * 0.45, area.center().y() - s * 0.35, s * 0.9, s * 0.7);
    painter.setPen(QPen(QColor(64, 64, 64), s * 0.04));
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRoundedRect(board, s * 0.06, s * 0.06);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 120));
    painter.drawRect(QRectF(board.left() + s * 0.12, board.top() + s * 0.12, s * 0.3, s * 0.3));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawEllipse(QPointF(board.right() - s * 0.22, board.center().y()), s * 0.12, s * 0.12);
}

void InfoPictures::hiddenPicture(QPainter& painter, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(10, 10, 60));
    sky.setColorAt(1, QColor(60, 40, 120));
    painter.fillRect(area, sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 220));
    for (int i = 0; i < 24; ++i) {
        const double x = area.left() + area.width() * ((i * 37) % 100) / 100.0;
        const double y = area.top() + area.height() * 0.5 * ((i * 53) % 100) / 100.0;
        painter.drawEllipse(QPointF(x, y), 1.2, 1.2);
    }
    painter.setBrush(QColor(255, 250, 200));
    painter.drawEllipse(QPointF(area.right() - area.width() * 0.2, area.top() + area.height() * 0.2),
                        area.height() * 0.08,
                        area.height() * 0.08);
    programIcon(painter,
                QRectF(area.left(), area.center().y() - area.height() * 0.1, area.width(), area.height() * 0.3));
    QFont font = painter.font();
    font.setPixelSize(std::max(10, static_cast<int>(area.height() * 0.08)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(area.adjusted(0, area.height() * 0.75, 0, 0),
                     Qt::AlignHCenter | Qt::AlignTop,
                     QCoreApplication::translate("InfoPictures", "Thanks for using Zendra 98!"));
}

void InfoPictures::creditsLogo(QPainter& painter, const QRectF& area)
{
    programIcon(painter, area);
    QPainterPath star;
    const QPointF c(area.right() - area.width() * 0.2, area.top() + area.height() * 0.2);
    const double r = std::min(area.width(), area.height()) * 0.16;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? r : r * 0.45;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF p(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        i == 0 ? star.moveTo(p) : star.lineTo(p);
    }
    star.closeSubpath();
    painter.setPen(QPen(QColor(150, 100, 0), 1));
    painter.setBrush(QColor(255, 200, 0));
    painter.drawPath(star);
}
