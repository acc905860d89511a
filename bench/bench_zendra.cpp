// The board program, unchanged, plus an application-wide event filter that reports the first paint of the
// splash window and the first paint of the board (a paint of any of their child widgets counts as well).

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "PaintClock.h"
#include "app/Application.h"

namespace
{
class FirstPaintWatcher : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            notePaint(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    // Walks from the painted widget up to its window and reports the first paint of each watched window.
    void notePaint(const QWidget* widget)
    {
        for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
            const QString name = w->objectName();
            if (!m_splashPainted && name == QLatin1String("frmSplash")) {
                m_splashPainted = true;
                printPaintTime("splash-paint");
                break;
            }
            if (!m_boardPainted && name == QLatin1String("Form1")) {
                m_boardPainted = true;
                printPaintTime("board-paint");
                break;
            }
        }
        // Once both are seen the filter has nothing left to do; it must not cost the idle board anything.
        if (m_splashPainted && m_boardPainted)
            QCoreApplication::instance()->removeEventFilter(this);
    }

    bool m_splashPainted = false;
    bool m_boardPainted = false;
};
} // namespace

int main(int argc, char** argv)
{
    return runApplication(argc, argv, [](QApplication& app) {
        // Owned by the application object, so it lives exactly as long as the events it watches.
        app.installEventFilter(new FirstPaintWatcher(&app));
    });
}
