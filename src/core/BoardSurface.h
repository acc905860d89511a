#pragma once

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

    /// The widget that carries the features' controls; positions on it are board twips.
    virtual QWidget& surfaceWidget() = 0;
    /// The board's outer size in twips.
    virtual QSizeF sizeTwips() const = 0;
    virtual void setBoardColour(const QColor& colour) = 0;
    /// Shows or hides the board control of that name (a launch icon, for example).
    virtual void setControlVisible(const QString& objectName, bool visible) = 0;

    /// The background picture at `topLeft` (twips), drawn below every control.
    virtual void showBackgroundPicture(const QPixmap& picture, QPointF topLeft) = 0;
    virtual void clearBackgroundPicture() = 0;

    virtual void showTrayIcon() = 0;
    virtual void removeTrayIcon() = 0;
    virtual bool isOnTop() const = 0;

    /// Every board popup menu sets the drag-suppress flag: left drags do nothing until the surface is clicked.
    virtual void suppressDrag() = 0;
    virtual void popup(QMenu& menu, QPoint globalPosition) = 0;
    /// The mouse pointer over the whole board, until `restorePointer`.
    virtual void setPointer(Qt::CursorShape shape) = 0;
    virtual void restorePointer() = 0;
    /// Where the mouse pointer is now, in screen pixels.
    virtual QPoint pointerPosition() const = 0;

    /// Returns every note icon to its plain picture.
    virtual void clearNoteHighlight() = 0;
};
