#include "board/BoardDrag.h"

std::optional<QPointF> BoardDrag::mouseMove(Qt::MouseButtons held, QPointF pointer, QPointF boardTopLeft)
{
    if (held != Qt::LeftButton) {
        m_grab = pointer;
        return std::nullopt;
    }
    if (suppressed())
        return std::nullopt;
    return boardTopLeft + (pointer - m_grab);
}
