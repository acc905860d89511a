#pragma once

#include <QAccessible>

class QWidget;

/// What a screen reader announces a board control as, where Qt's guess from the widget's class is wrong: a picture
/// that acts when clicked is a button, the board itself a window. A button's "Press" action is a left click.
namespace AccessibleRole
{
/// First in the widget's constructor (PictureControl sets Graphic there), so that a screen reader, which may ask
/// while the widget is being built, already meets this interface; the role itself may change later.
void set(QWidget& widget, QAccessible::Role role);
} // namespace AccessibleRole
