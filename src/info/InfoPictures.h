#pragma once

#include <functional>

#include <QWidget>

class QPainter;

/// A picture drawn by the program itself each time it is painted, so it is crisp at any device pixel ratio.
/// Clicks and the keyboard reach the owner through `clicked` and `keyPressed`.
class PaintedPicture final : public QWidget
{
    Q_OBJECT

public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;

    PaintedPicture(const QString& objectName, Painter painter, QWidget* parent);

Q_SIGNALS:
    void clicked();
    void keyPressed(QKeyEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Painter m_painter;
};

/// The pictures of the information windows.
namespace InfoPictures
{
/// A light bulb beside the tip of the day.
void lightBulb(QPainter& painter, const QRectF& area);
/// The program's icon: a small board with a note on it.
void programIcon(QPainter& painter, const QRectF& area);
/// The about window's hidden picture: the board under a night sky, thanking the user.
void hiddenPicture(QPainter& painter, const QRectF& area);
/// The credits window's logo.
void creditsLogo(QPainter& painter, const QRectF& area);
} // namespace InfoPictures
