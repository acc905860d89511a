// The reference program: a bare Qt Widgets application with one empty 160x120 window. It reports the moment
// its window first paints and then idles until it is killed.

#include <QApplication>
#include <QWidget>

#include "PaintClock.h"

namespace
{
class BareWindow : public QWidget
{
public:
    BareWindow()
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
            printPaintTime("paint");
        }
        QWidget::paintEvent(event);
    }

private:
    bool m_painted = false;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
