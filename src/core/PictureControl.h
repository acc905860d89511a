#pragma once

#include <QLabel>
#include <QPointF>

/// A picture control on the board: reports its own mouse events, with positions in its own twips, and never
/// passes one on to the window under it, so a press, drag or release on a control does only what the control's
/// handlers say.
class PictureControl final : public QLabel
{
    Q_OBJECT

public:
    explicit PictureControl(const QString& objectName, QWidget* parent);

    /// A left click in the control's middle, as a screen reader's "Press" gives it: press, release and click.
    void click();

Q_SIGNALS:
    /// A press; also the second press of a double click, which arrives as a double click as well. `global` is
    /// the pointer's place on the screen, for a popup menu.
    void pressed(Qt::MouseButton button, QPointF twips, QPoint global);
    void moved(Qt::MouseButtons held, QPointF twips);
    void released(Qt::MouseButton button, QPointF twips);
    /// A press and release of the left or the right button over the control; the release that ends a double
    /// click is none.
    void clicked(Qt::MouseButton button);
    void doubleClicked(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_releaseEndsDoubleClick = false;
};
