#pragma once

#include <QTimer>
#include <QWidget>

/// The animation over an empty scratch pad until the first key: a pencil writing a looped line, again every
/// 2.5 seconds. It ticks only while it is visible, so a closed pad costs no processor time, and lets every click
/// through to the text box under it.
class PadAnimation final : public QWidget
{
    Q_OBJECT

public:
    explicit PadAnimation(QWidget* parent);

    /// The picture now shown, from 0 to the last of one loop; each show starts again at 0.
    int frame() const { return m_frame; }
    bool isRunning() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void advance();

    QTimer m_timer;
    int m_frame = 0;
};
