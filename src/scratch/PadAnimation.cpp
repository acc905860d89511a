#include "scratch/PadAnimation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace
{
constexpr QSize kSize(115, 27);
constexpr int kFramesPerSecond = 12;
// One loop: the pencil writes for two seconds, then rests on the finished line for half a second.
constexpr int kWritingFrames = 24;
constexpr int kLoopFrames = 30;

// The written line: a row of cursive loops, like "eeeeeee" in a hurry.
constexpr int kLoops = 7;
constexpr qreal kLineLeft = 6;
constexpr qreal kLineRight = 92;
constexpr qreal kLineMiddle = 19;
constexpr qreal kLoopHeight = 5;
constexpr int kSamplesPerLoop = 24;
// How far each loop swings back against the writing direction; above 1 the line crosses itself.
constexpr qreal kLoopWidth = 2.4;

// The pencil leans to the right the way a right hand holds it.
constexpr qreal kPencilLean = 60;
constexpr qreal kPencilLift = 2.5;

const QColor kGraphite(64, 64, 64);
const QColor kWood(240, 200, 144);
const QColor kPaint(255, 208, 0);
const QColor kPaintShade(224, 160, 0);
const QColor kPaintEdge(128, 80, 0);
const QColor kFerrule(192, 192, 192);
const QColor kFerruleEdge(96, 96, 96);
const QColor kEraser(255, 128, 128);

/// The whole line as points from left to right. A point circling while it moves right draws a loop whenever the
/// circle is wider than one step; the line starts and ends at the bottom of a loop, and its height wavers a little
/// so it looks handwritten.
QPolygonF writtenLine()
{
    constexpr int samples = kLoops * kSamplesPerLoop;
    constexpr qreal turn = 2 * std::numbers::pi;
    constexpr qreal start = turn / 2;
    const qreal advancePerRadian = (kLineRight - kLineLeft) / (kLoops * turn);
    QPolygonF points;
    points.reserve(samples + 1);
    for (int i = 0; i <= samples; ++i) {
        const qreal t = start + turn * kLoops * i / samples;
        const qreal height = kLoopHeight * (1.0 + 0.2 * std::sin(0.9 * t));
        points << QPointF(kLineLeft + advancePerRadian * (t - start) - kLoopWidth * advancePerRadian * std::sin(t),
                          kLineMiddle - height * std::cos(t));
    }
    return points;
}

/// A pencil with its point at the origin, lying along the upward y axis: graphite, sharpened wood, painted body,
/// metal band and eraser.
void paintPencil(QPainter& p)
{
    const QPen edge(kPaintEdge, 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kWood);
    p.drawPolygon(QPolygonF({{-0.8, -1.8}, {0.8, -1.8}, {2.5, -5.5}, {-2.5, -5.5}}));
    p.setBrush(kGraphite);
    p.drawPolygon(QPolygonF({{0, 0}, {-0.8, -1.8}, {0.8, -1.8}}));
    p.setPen(edge);
    p.setBrush(kPaint);
    p.drawRect(QRectF(-2.5, -15.5, 5, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(kPaintShade);
    p.drawRect(QRectF(0.9, -15.2, 1.3, 9.4));
    p.setPen(QPen(kFerruleEdge, 0.6));
    p.setBrush(kFerrule);
    p.drawRect(QRectF(-2.5, -17.5, 5, 2));
    p.setPen(edge);
    p.setBrush(kEraser);
    QPainterPath eraser;
    eraser.moveTo(-2.5, -17.5);
    eraser.lineTo(-2.5, -19.5);
    eraser.quadTo(-2.5, -20.5, -1.5, -20.5);
    eraser.lineTo(1.5, -20.5);
    eraser.quadTo(2.5, -20.5, 2.5, -19.5);
    eraser.lineTo(2.5, -17.5);
    eraser.closeSubpath();
    p.drawPath(eraser);
}
} // namespace

PadAnimation::PadAnimation(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PadAnimation"));
    setAccessibleName(tr("Scratch Pad animation"));
    // Clicks go through to the text box, which takes the first key.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kSize);
    m_timer.setInterval(1000 / kFramesPerSecond);
    connect(&m_timer, &QTimer::timeout, this, &PadAnimation::advance);
}

void PadAnimation::advance()
{
    m_frame = (m_frame + 1) % kLoopFrames;
    update();
}

void PadAnimation::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_frame = 0;
    m_timer.start();
}

void PadAnimation::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_timer.stop();
}

void PadAnimation::paintEvent(QPaintEvent*)
{
    // Drawn as shapes in logical pixels; the painter lays them on the widget's device pixels, so a screen at ratio 2
    // gets twice the detail rather than a scaled-up picture. The background stays the text box's own.
    static const QPolygonF line = writtenLine();
    const qreal written = std::min(1.0, qreal(m_frame + 1) / kWritingFrames);
    const int last = qRound(written * (line.size() - 1));

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGraphite, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line.constData(), last + 1);

    // Once the line is done the pencil lifts off the paper and waits for the next loop.
    const QPointF tip = line[last] + (m_frame >= kWritingFrames ? QPointF(kPencilLift, -kPencilLift) : QPointF());
    p.translate(tip);
    p.rotate(kPencilLean);
    paintPencil(p);
}
