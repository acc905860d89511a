#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

/// The screens the desktop has and where the mouse pointer is, in screen pixels.
class Screens
{
public:
    virtual ~Screens() = default;
    virtual QList<QRect> geometries() const = 0;
    /// The primary screen; an empty rectangle when there is none.
    virtual QRect primary() const = 0;
    virtual QPoint pointer() const = 0;
};
