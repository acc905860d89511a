#pragma once

#include <functional>

#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <Qt>

class QColor;
class QMenu;
class QPixmap;
class QWidget;

/// What a feature on the board may ask of the board: the one way controllers and apply options reach it.
/// `Form1` implements it; tests use a fake.
class BoardSurface
{
public:
    virtual ~BoardSurface() = default;

    /// Puts a control of a feature on the board, above the controls already there; the board owns it from then
    /// on. Positions on the board are board twips.
    virtual void addControl(QWidget& control) = 0;
    /// Device pixels per board pixel, for the pictures a feature draws.
    virtual qreal pixelRatio() const = 0;
    /// The board's outer size in twips.
    virtual QSizeF sizeTwips() const = 0;
    virtual void setBoardColour(const QColor& colour) = 0;

    /// The background picture at `topLeft` (twips), drawn below every control.
    virtual void showBackgroundPicture(const QPixmap& picture, QPointF topLeft) = 0;
    virtual void clearBackgroundPicture() = 0;

    virtual void showTrayIcon() = 0;
    virtual void removeTrayIcon() = 0;
    virtual bool isOnTop() const = 0;
    /// The user can see the board: it shows, is not minimised, and is on top or in the active window.
    virtual bool isSeen() const = 0;
    /// Runs `action` from the event loop once the board has painted for the first time (soon, if it has).
    virtual void afterFirstPaint(std::function<void()> action) = 0;

    /// Every board popup menu sets the drag-suppress flag: left drags do nothing until the surface is clicked.
    virtual void suppressDrag() = 0;
    virtual void popup(QMenu& menu, QPoint globalPosition) = 0;
    /// The mouse pointer over the whole board, until `restorePointer`.
    virtual void setPointer(Qt::CursorShape shape) = 0;
    virtual void restorePointer() = 0;
    /// Where the mouse pointer is now, in screen pixels.
    virtual QPoint pointerPosition() const = 0;

    /// A control of a feature was pressed or clicked: every feature hears of it as of a touch on the board.
    virtual void controlTouched() = 0;
};
