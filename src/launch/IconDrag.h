#pragma once

#include <QPointF>
#include <Qt>

#include "launch/IconPositions.h"

/// What the mouse does to the launch icons: the pressed look of a left press, the right-button move by the
/// pointer's displacement between press and release, and the flag that keeps the click ending such a move from
/// starting anything. One state serves all six icons.
class IconDrag
{
public:
    /// The highest left after a move, for every icon; the highest top depends on the icon.
    static constexpr float kHighestLeft = 2180;
    /// The pressed look shifts the icon this far down and right while the left button is held.
    static constexpr float kPressShift = 10;

    /// A press of `button` at `pointer` (twips, relative to the icon) on an icon at `place`. Returns its new place.
    IconPlace press(Qt::MouseButton button, QPointF pointer, IconPlace place);
    /// A release, the icon standing at `place`. `highestTop` bounds a move downwards. Returns its new place.
    IconPlace release(Qt::MouseButton button, QPointF pointer, IconPlace place, float highestTop) const;
    /// Whether the click that follows a release starts the icon's program.
    bool clickLaunches() const { return m_dragFlag == 0; }

private:
    float m_dragFlag = 0;
    IconPlace m_saved;
    QPointF m_pressed;
};
