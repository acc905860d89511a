#include "email/frmChecking.h"

#include <QLabel>

#include "core/Twips.h"

frmChecking::frmChecking(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmChecking"));
    setWindowTitle(tr("Checking Email"));
    setFixedSize(Twips::sizeToPixels(4800, 1200));
    // A window that only tells what is going on: it leaves the keyboard focus where the user has it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Twips::rectToPixels(240, 240, 4320, 720));
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
}

void frmChecking::setText(const QString& text)
{
    Label1->setText(text);
}

QString frmChecking::text() const
{
    return Label1->text();
}
