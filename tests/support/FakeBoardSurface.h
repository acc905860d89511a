#pragma once

#include <QtWidgets>

#include "core/BoardSurface.h"

/// A board as its features see it, on a plain widget of the board's size, recording what they ask of it.
class FakeBoardSurface final : public BoardSurface
{
public:
    QWidget widget;
    QColor colour;
    QPixmap background;
    QPointF backgroundPlace;
    QStringList trayCalls;
    bool onTop = false;
    bool dragSuppressed = false;
    QList<QPair<QMenu*, QPoint>> popups;
    Qt::CursorShape pointer = Qt::ArrowCursor;
    QPoint pointerAt;
    int controlTouches = 0;

    FakeBoardSurface() { widget.resize(160, 120); }

    void addControl(QWidget& control) override { control.setParent(&widget); }
    qreal pixelRatio() const override { return widget.devicePixelRatioF(); }
    QSizeF sizeTwips() const override { return {2400, 1800}; }
    void setBoardColour(const QColor& c) override { colour = c; }
    void showBackgroundPicture(const QPixmap& picture, QPointF topLeft) override
    {
        background = picture;
        backgroundPlace = topLeft;
    }
    void clearBackgroundPicture() override { background = QPixmap(); }
    void showTrayIcon() override { trayCalls << QStringLiteral("add"); }
    void removeTrayIcon() override { trayCalls << QStringLiteral("remove"); }
    bool isOnTop() const override { return onTop; }
    bool isSeen() const override { return true; }
    void afterFirstPaint(std::function<void()> action) override { QTimer::singleShot(0, std::move(action)); }
    void suppressDrag() override { dragSuppressed = true; }
    void popup(QMenu& menu, QPoint globalPosition) override { popups.append({&menu, globalPosition}); }
    void setPointer(Qt::CursorShape shape) override { pointer = shape; }
    void restorePointer() override { pointer = Qt::ArrowCursor; }
    QPoint pointerPosition() const override { return pointerAt; }
    void controlTouched() override { ++controlTouches; }
};
