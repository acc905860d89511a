#include "board/BoardGeometry.h"

#include <algorithm>

QPointF BoardGeometry::dockedPosition(Corner corner, const QRectF& screen, const QSizeF& board)
{
    const double right = screen.left() + screen.width() - board.width();
    const double bottom = screen.top() + screen.height() - board.height() - kBottomDockMarginTwips;
    switch (corner) {
    case Corner::TopLeft:
        return {screen.left(), screen.top()};
    case Corner::TopRight:
        return {right, screen.top()};
    case Corner::BottomLeft:
        return {screen.left(), bottom};
    case Corner::BottomRight:
        return {right, bottom};
    }
    return {screen.left(), screen.top()};
}

QPoint BoardGeometry::visiblePlacement(const QRect& board, const QList<QRect>& screens, const QRect& primary)
{
    const bool seen =
        std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) { return screen.intersects(board); });
    if (seen || primary.isEmpty())
        return board.topLeft();
    const int maxLeft = std::max(primary.left(), primary.left() + primary.width() - board.width());
    const int maxTop = std::max(primary.top(), primary.top() + primary.height() - board.height());
    return {std::clamp(board.left(), primary.left(), maxLeft), std::clamp(board.top(), primary.top(), maxTop)};
}

quint32 VolumeStep::apply(quint32 volume, int delta)
{
    const auto step = [delta](quint32 channel) {
        return static_cast<quint32>(std::clamp(static_cast<int>(channel) + delta, 0, kMaximum));
    };
    const quint32 left = step(volume & 0xFFFFU);
    const quint32 right = step(volume >> 16);
    return (right << 16) | left;
}
