#include "BoardFixture.h"

#include "TestSupport.h"
#include "app/BoardStart.h"

QByteArray optionsWith(const QByteArray& record1, const QByteArray& record12)
{
    QByteArray bytes = record1 + "\r\n";
    for (int i = 1; i <= 10; ++i)
        bytes += QByteArray::number(i) + ",\"\",\"\"\r\n";
    return bytes + record12 + "\r\n";
}

QByteArray optionsWithPrograms(const QList<QByteArray>& programs)
{
    QByteArray bytes = "\"\",0\r\n";
    for (int i = 0; i < programs.size(); ++i)
        bytes += QByteArray::number(i + 1) + "," + programs[i] + "\r\n";
    return bytes + "1,0,1,1,1,1,1,2\r\n";
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Board::load(bool withMailPicture)
{
    if (withMailPicture)
        dir.copy(QStringLiteral(PICTURES_DIR "/email.gif"));
    form = std::make_unique<Form1>(fakes.platform, dir.dataDir());
    features = buildFeatures(*form, fakes.platform, dir.dataDir());
    loadBoard(*form, features, dir.dataDir());
    form->show();
    // As a person first finds it: on the screen, with what the board does after its first paint done.
    bool painted = false;
    form->afterFirstPaint([&painted] { painted = true; });
    QTRY_VERIFY(painted);
}

QLabel* Board::icon(const char* name) const
{
    return form->findChild<QLabel*>(QString::fromLatin1(name));
}

QAction* Board::action(const char* name) const
{
    return form->findChild<QAction*>(QString::fromLatin1(name));
}
