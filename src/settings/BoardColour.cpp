#include "settings/BoardColour.h"

#include <QGuiApplication>
#include <QPalette>

namespace
{
QPalette::ColorRole systemRole(quint32 index)
{
    switch (index) {
    case 4:  // menu
    case 15: // button face
        return QPalette::Button;
    case 5: // window background
        return QPalette::Base;
    case 8: // window text
        return QPalette::Text;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 16: // button shadow
        return QPalette::Dark;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // 3-D highlight
        return QPalette::Light;
    default:
        return QPalette::Window;
    }
}
} // namespace

QColor colourFromStored(qint32 stored)
{
    const auto value = static_cast<quint32>(stored);
    if (value & 0x80000000U)
        return QGuiApplication::palette().color(systemRole(value & 0xFFU));
    return QColor(static_cast<int>(value & 0xFFU),
                  static_cast<int>((value >> 8) & 0xFFU),
                  static_cast<int>((value >> 16) & 0xFFU));
}

qint32 colourToStored(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<qint32>(static_cast<quint32>(rgb.red()) | (static_cast<quint32>(rgb.green()) << 8) |
                               (static_cast<quint32>(rgb.blue()) << 16));
}
