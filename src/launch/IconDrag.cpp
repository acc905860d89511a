#include "launch/IconDrag.h"

namespace
{
// Moves `saved` by the displacement from `pressed` to `released`, bounding it only on the side it moved to.
float moved(float saved, double pressed, double released, float highest)
{
    if (released > pressed) {
        const auto value = static_cast<float>(saved + (released - pressed));
        return value > highest ? highest : value;
    }
    if (released < pressed) {
        const auto value = static_cast<float>(saved - (pressed - released));
        return value < 0 ? 0 : value;
    }
    return saved;
}
} // namespace

IconPlace IconDrag::press(Qt::MouseButton button, QPointF pointer, IconPlace place)
{
    if (button == Qt::LeftButton) {
        place.top += kPressShift;
        place.left += kPressShift;
        m_dragFlag = 0;
    } else if (button == Qt::RightButton) {
        m_dragFlag = 1;
        m_saved = place;
        m_pressed = pointer;
    }
    return place;
}

IconPlace IconDrag::release(Qt::MouseButton button, QPointF pointer, IconPlace place, float highestTop) const
{
    if (button == Qt::LeftButton) {
        place.top -= kPressShift;
        place.left -= kPressShift;
    } else if (button == Qt::RightButton) {
        place.left = moved(m_saved.left, m_pressed.x(), pointer.x(), kHighestLeft);
        place.top = moved(m_saved.top, m_pressed.y(), pointer.y(), highestTop);
    }
    return place;
}
