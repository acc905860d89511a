#include "info/frmAbout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "core/RoomForText.h"
#include "core/Twips.h"
#include "core/Version.h"
#include "info/AboutText.h"
#include "info/InfoPictures.h"

namespace
{
// The etched separator, in twips.
constexpr double kLineLeft = 90;
constexpr double kLineTop = 2310;
constexpr double kLineWidth = 3870;
// The hidden picture's place: 27 by 41.413 units of the window's scale.
constexpr double kPictureLeft = 29;
constexpr double kPictureTop = 60;
constexpr double kPictureWidth = 3990;
constexpr double kPictureHeight = 3015;
} // namespace

frmAbout::frmAbout(float& armed, QWidget* parent)
    : QDialog(parent)
    , m_armed(armed)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(Twips::sizeToPixels(kWidthTwips, kHeightTwips));

    picIcon = new PaintedPicture(QStringLiteral("picIcon"), InfoPictures::programIcon, this);
    picIcon->setGeometry(Twips::rectToPixels(240, 240, 540, 540));
    picIcon->setFocusPolicy(Qt::StrongFocus);
    picIcon->setAccessibleName(tr("Zendra 98 icon"));
    connect(picIcon, &PaintedPicture::keyPressed, this, [this](QKeyEvent* event) {
        picIcon_KeyDown(event->key(), event->modifiers());
    });
    connect(picIcon, &PaintedPicture::clicked, this, &frmAbout::picIcon_Click);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont title(QStringLiteral("MS Sans Serif"));
    title.setPointSizeF(13.5);
    title.setStyleHint(QFont::SansSerif);
    lblTitle->setFont(title);
    lblTitle->setGeometry(Twips::rectToPixels(1050, 240, 2880, 480));

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(Twips::rectToPixels(1050, 780, 2880, 225));

    lblDescription = new QLabel(tr("Your notes, programs, mail and searches on one small board."), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setGeometry(Twips::rectToPixels(1050, 1125, 2880, 1005));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rectToPixels(2580, 2625, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Picture1 = new PaintedPicture(QStringLiteral("Picture1"), InfoPictures::hiddenPicture, this);
    Picture1->setAccessibleName(tr("Hidden picture"));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->hide();
    connect(Picture1, &PaintedPicture::clicked, this, &frmAbout::Picture1_Click);

    setTabOrder(picIcon, cmdOK);
    Form_Load();
    RoomForText::fitWindow(this);
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About Zendra 98"));
    lblTitle->setText(tr("Zendra 98"));
    lblVersion->setText(AboutText::versionLine(Version::kMajor, Version::kMinor, Version::kRevision));
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::picIcon_KeyDown(int, Qt::KeyboardModifiers shift)
{
    if (shift.testFlag(Qt::ControlModifier) && shift.testFlag(Qt::AltModifier))
        m_armed = 1;
}

void frmAbout::picIcon_Click()
{
    if (m_armed != 1)
        return;
    Picture1->setGeometry(Twips::rectToPixels(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight));
    Picture1->show();
    Picture1->raise();
    Picture1->setFocus();
}

void frmAbout::Picture1_Click()
{
    m_armed = 0;
    Picture1->hide();
    picIcon->setFocus();
}

void frmAbout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPoint from = Twips::toPixels(kLineLeft, kLineTop);
    const int to = from.x() + Twips::toPixels(kLineWidth);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(from.x(), from.y(), to, from.y());
    painter.setPen(QColor(224, 224, 224));
    painter.drawLine(from.x(), from.y() + 1, to, from.y() + 1);
}
