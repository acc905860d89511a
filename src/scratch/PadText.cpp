#include "scratch/PadText.h"

#include <QContextMenuEvent>
#include <QMenu>

PadText::PadText(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

void PadText::keyPressEvent(QKeyEvent* event)
{
    QPlainTextEdit::keyPressEvent(event);
    if (!event->text().isEmpty() && characterTyped)
        characterTyped();
}

void PadText::keyReleaseEvent(QKeyEvent* event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    if (keyReleased)
        keyReleased();
}

void PadText::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (mouseReleased)
        mouseReleased(event->button());
    if (event->button() == Qt::RightButton) {
        QMenu* menu = createStandardContextMenu(event->position().toPoint());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPosition().toPoint());
    }
}

void PadText::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's menu opens on the release (above); the keyboard's menu key opens it at once.
    if (event->reason() == QContextMenuEvent::Mouse)
        event->accept();
    else
        QPlainTextEdit::contextMenuEvent(event);
}
