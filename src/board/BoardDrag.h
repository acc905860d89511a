#pragma once

#include <optional>

#include <QPointF>
#include <Qt>

/// Dragging the board with the left button, and the flag that keeps a popup menu from turning into a drag.
class BoardDrag
{
public:
    /// A mouse move at `pointer` (twips, in the control under the mouse) with `held` buttons. Returns the
    /// board's new top-left when the move drags it. The grab point is taken on moves made with any other
    /// buttons than exactly the left one, never on a press.
    std::optional<QPointF> mouseMove(Qt::MouseButtons held, QPointF pointer, QPointF boardTopLeft);

    /// Every board popup menu sets the flag; a click on the board's surface clears it.
    void popupOpened() { m_suppress = 1; }
    void surfaceClicked() { m_suppress = 0; }
    bool suppressed() const { return m_suppress == 1; }
    QPointF grabPoint() const { return m_grab; }

private:
    QPointF m_grab;
    float m_suppress = 0;
};
