#pragma once

#include <QAccessible>

class QWidget;

/// What a screen reader announces a board control as, where Qt's guess from the widget's class is wrong: a picture
/// that acts when clicked is a button, the board itself a window. A button's "Press" action is a left click.
namespace AccessibleRole
{
/// Set before anything else of the widget, so that the first question of a screen reader, which may come while
/// the widget is being built, already finds the role; it may be changed later.
void set(QWidget& widget, QAccessible::Role role);
} // namespace AccessibleRole
