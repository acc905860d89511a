#pragma once

#include <cmath>

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

/// Positions and sizes stay in twips until the widget boundary; these helpers are that boundary.
namespace Twips
{
constexpr int kPerPixel = 15;

inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kPerPixel));
}

inline double fromPixels(double pixels)
{
    return pixels * kPerPixel;
}

inline QPoint toPixels(double left, double top)
{
    return {toPixels(left), toPixels(top)};
}

inline QSize sizeToPixels(double width, double height)
{
    return {toPixels(width), toPixels(height)};
}

inline QRect rectToPixels(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

/// Names a window's control and puts it at its place, given in twips; returns it for further settings.
template <typename Control>
Control* place(Control* control, const char* name, double left, double top, double width, double height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(rectToPixels(left, top, width, height));
    return control;
}
} // namespace Twips
