#pragma once

#include <functional>

#include <QPlainTextEdit>

/// The pad's text box. It reports character keys, key releases and mouse releases, and opens its edit menu when
/// the right button is released, after the release has been reported.
class PadText final : public QPlainTextEdit
{
public:
    explicit PadText(QWidget* parent);

    std::function<void()> characterTyped;
    std::function<void()> keyReleased;
    std::function<void(Qt::MouseButton)> mouseReleased;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
