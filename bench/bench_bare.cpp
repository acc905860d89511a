// The reference program: a bare Qt Widgets application with one empty 160x120 window. It reports the moment
// its window first paints and then idles until it is killed.
//
// With --second-window it then does what any program with a splash does: one second after that first paint it
// shows a second, frameless window of the same size, hides the first and reports the second one's first paint.

#include <functional>
#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "PaintClock.h"

namespace
{
class BareWindow : public QWidget
{
public:
    BareWindow(const char* label, Qt::WindowFlags flags, std::function<void()> afterPaint = {})
        : QWidget(nullptr, flags)
        , m_label(label)
        , m_afterPaint(std::move(afterPaint))
    {
        setObjectName(QStringLiteral("bareWindow"));
        setWindowTitle(QStringLiteral("bench_bare"));
        resize(160, 120);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!m_painted) {
            m_painted = true;
            printPaintTime(m_label);
            if (m_afterPaint)
                m_afterPaint();
        }
        QWidget::paintEvent(event);
    }

private:
    const char* m_label;
    std::function<void()> m_afterPaint;
    bool m_painted = false;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Built only when asked for, so that the one-window reference stays exactly as bare as it was.
    std::unique_ptr<BareWindow> second;
    if (QCoreApplication::arguments().contains(QStringLiteral("--second-window")))
        second = std::make_unique<BareWindow>("second-paint", Qt::Window | Qt::FramelessWindowHint);
    QElapsedTimer sincePaint;
    BareWindow window("paint", Qt::Window, [&] {
        if (!second)
            return;
        // The second is kept to the millisecond as the board program keeps it, so that only the second window's
        // own cost differs: a timer set a little short, then events run until the second is up.
        sincePaint.start();
        QTimer::singleShot(1000 - 4, Qt::PreciseTimer, second.get(), [&] {
            while (sincePaint.elapsed() < 1000)
                QCoreApplication::processEvents();
            second->show();
            window.hide();
        });
    });
    window.show();
    return QApplication::exec();
}
