#pragma once

#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QtGlobal>

namespace BoardGeometry
{
/// The board's client area in twips.
constexpr double kWidthTwips = 2400;
constexpr double kHeightTwips = 1800;
/// The bottom corners stand this far above the screen's lower edge, clear of a task bar.
constexpr double kBottomDockMarginTwips = 440;

enum class Corner
{
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

/// Where the board's top-left goes when docked to `corner` of `screen` (all in twips).
QPointF dockedPosition(Corner corner, const QRectF& screen, const QSizeF& board);

/// The stored place when any part of the board lies on a screen; otherwise the nearest place on the primary
/// screen where the whole board shows (a monitor was removed since the place was stored). Pixels.
QPoint visiblePlacement(const QRect& board, const QList<QRect>& screens, const QRect& primary);
} // namespace BoardGeometry

/// The wave-output volume: left channel in the low 16 bits, right channel in the high 16 bits.
namespace VolumeStep
{
constexpr int kStep = 4095;
constexpr int kMaximum = 65535;

/// Moves both channels by `delta`, each held within 0..65535.
quint32 apply(quint32 volume, int delta);
} // namespace VolumeStep
