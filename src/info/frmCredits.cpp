#include "info/frmCredits.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "core/RecordFile.h"
#include "core/RoomForText.h"
#include "core/Twips.h"
#include "info/AboutText.h"
#include "info/InfoPictures.h"

frmCredits::frmCredits(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmCredits"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Zendra 98 Credits"));
    setFixedSize(Twips::sizeToPixels(kWidthTwips, kHeightTwips));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(tr("Zendra 98 Credits"));
    Frame1->setGeometry(Twips::rectToPixels(60, 0, 5730, 780));
    auto* Picture1 = new PaintedPicture(QStringLiteral("Picture1"), InfoPictures::creditsLogo, Frame1);
    Picture1->setGeometry(Twips::rectToPixels(120, 150, 570, 570));
    Picture1->setAccessibleName(tr("Zendra 98 logo"));
    auto* Label1 = new QLabel(tr("Zendra 98 Credits"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading(QStringLiteral("Arial"));
    heading.setPointSizeF(15.75);
    heading.setStyleHint(QFont::SansSerif);
    Label1->setFont(heading);
    Label1->setGeometry(Twips::rectToPixels(840, 180, 4700, 480));

    auto* Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setAccessibleName(tr("People"));
    Frame2->setGeometry(Twips::rectToPixels(60, 840, 5730, 2070));
    List1 = new QListWidget(Frame2);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Credits for"));
    List1->setGeometry(Twips::rectToPixels(120, 180, 1500, 1770));
    for (int i = 0; i < AboutText::kCreditsEntries; ++i)
        List1->addItem(AboutText::creditsEntry(i));
    // Both the mouse and the arrow keys change the selection.
    connect(List1, &QListWidget::currentRowChanged, this, &frmCredits::List1_Click);

    Text1 = new QPlainTextEdit(Frame2);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Credits"));
    // Typed characters are discarded; the text can still be selected and copied.
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setTabChangesFocus(true);
    Text1->setGeometry(Twips::rectToPixels(1740, 180, 3870, 1770));

    RoomForText::fitWindow(this);
    Form_Load();
}

void frmCredits::Form_Load()
{
    List1->setCurrentRow(0);
    List1->setFocus();
}

void frmCredits::List1_Click()
{
    const int index = List1->currentRow();
    if (index < 0 || index >= AboutText::kCreditsEntries)
        return;
    Text1->setPlainText(fromStoredLineBreaks(AboutText::creditsText(index)));
}
