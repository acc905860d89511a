#include "info/frmTip.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "core/RoomForText.h"
#include "core/Twips.h"
#include "info/InfoPictures.h"
#include "info/Tips.h"
#include "info/TipsetFile.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/SettingsStore.h"

namespace
{
// The white tip area framed by Shape1, in twips.
constexpr double kShapeLeft = 45;
constexpr double kShapeTop = 60;
constexpr double kShapeWidth = 5040;
constexpr double kShapeHeight = 2835;
constexpr double kButtonTop = 3015;
constexpr double kButtonWidth = 1215;
constexpr double kButtonHeight = 375;
// The tip panel is white in every theme, so its text is black in every theme.
constexpr QColor kPanel(255, 255, 255);
constexpr QColor kPanelText(0, 0, 0);
} // namespace

frmTip::frmTip(Platform& platform, const DataDir& dataDir)
    : m_platform(platform)
    , m_dataDir(dataDir)
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Tip of the Day"));
    setFixedSize(Twips::sizeToPixels(kWidthTwips, kHeightTwips));

    auto* Picture1 = new PaintedPicture(QStringLiteral("Picture1"), InfoPictures::lightBulb, this);
    Picture1->setGeometry(Twips::rectToPixels(90, 120, 420, 420));
    Picture1->setAccessibleName(tr("Light bulb"));

    auto* Label1 = new QLabel(tr("Did you know..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading(QStringLiteral("MS Sans Serif"));
    heading.setPointSizeF(8.25);
    heading.setBold(true);
    heading.setStyleHint(QFont::SansSerif);
    Label1->setFont(heading);
    Label1->setGeometry(Twips::rectToPixels(540, 180, 2655, 255));

    lblTipText = new QLabel(this);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setAccessibleName(tr("Tip"));
    // A tip is the user's text, never markup.
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setGeometry(Twips::rectToPixels(120, 840, 4560, 1635));
    // The heading and the tip stand on the white panel whatever the desktop's colours: their text is dark too.
    for (QLabel* onPanel : {Label1, lblTipText}) {
        QPalette colours = onPanel->palette();
        colours.setColor(QPalette::WindowText, kPanelText);
        onPanel->setPalette(colours);
    }

    chkLoadTipsAtStartup = new QCheckBox(tr("&Show Tips at Startup"), this);
    chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    chkLoadTipsAtStartup->move(Twips::toPixels(45, 3045));
    chkLoadTipsAtStartup->adjustSize();
    // Every click stores the value; a change made by the program itself (the load) stores it too.
    connect(chkLoadTipsAtStartup, &QCheckBox::toggled, this, &frmTip::chkLoadTipsAtStartup_Click);

    cmdNextTip = new QPushButton(tr("&Next Tip"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    cmdNextTip->setGeometry(Twips::rectToPixels(2550, kButtonTop, kButtonWidth, kButtonHeight));
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);

    cmdOK = new QPushButton(tr("Close"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rectToPixels(3870, kButtonTop, kButtonWidth, kButtonHeight));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);

    // Left to right along the bottom row.
    setTabOrder(chkLoadTipsAtStartup, cmdNextTip);
    setTabOrder(cmdNextTip, cmdOK);
    RoomForText::fitWindow(this);
}

QString frmTip::notFoundMessage()
{
    return tr("That the TIPOFDAY.TXT file was not found? \n\nYou may have deleted a file named "
              "TIPOFDAY.TXT if you would like to get this file back email us at: "
              "zendra98@tovane.example. ");
}

frmTip::~frmTip()
{
    // A window closed before its first frame still stores the choice it was opened with.
    storeStartupChoice();
}

bool frmTip::Form_Load(TipOpening opening)
{
    TipsetFile tipset;
    tipset.read(m_dataDir);
    m_tipsetOnDisk = static_cast<int>(std::round(tipset.showAtStartup));
    if (opening == TipOpening::AtStartUp && m_tipsetOnDisk == 0)
        return false;
    // Checking the box runs its handler, which stores 1 (from the menu that switches tips at start-up on again);
    // set it unchecked first so the change always happens.
    chkLoadTipsAtStartup->blockSignals(true);
    chkLoadTipsAtStartup->setChecked(false);
    chkLoadTipsAtStartup->blockSignals(false);
    chkLoadTipsAtStartup->setChecked(true);
    if (!LoadTips(m_dataDir.file(QString::fromLatin1(Tips::kFileName))))
        lblTipText->setText(notFoundMessage());
    cmdOK->setFocus();
    return true;
}

bool frmTip::LoadTips(const QString& path)
{
    std::optional<QStringList> tips = Tips::read(path);
    if (!tips)
        return false;
    m_tips = std::move(*tips);
    cmdNextTip_Click();
    return true;
}

void frmTip::cmdNextTip_Click()
{
    m_currentTip = Tips::pick(m_tips.size(), [this] { return m_platform.random.fraction(); });
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    if (m_tips.isEmpty())
        return;
    lblTipText->setText(m_tips.at(m_currentTip - 1).left(kMaxShownChars));
}

QString frmTip::tipText() const
{
    return lblTipText->text();
}

void frmTip::chkLoadTipsAtStartup_Click()
{
    m_choiceToStore = chkLoadTipsAtStartup->isChecked() ? 1 : 0;
    if (m_firstFrameShown)
        storeStartupChoice();
}

void frmTip::storeStartupChoice()
{
    if (!m_choiceToStore)
        return;
    const int value = *m_choiceToStore;
    m_choiceToStore.reset();
    m_platform.settings.setValue(
        QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"), QString::number(value));
    // The file already holding the value is not rewritten: same bytes, less wait.
    if (value != m_tipsetOnDisk && TipsetFile::write(m_dataDir, value))
        m_tipsetOnDisk = value;
}

void frmTip::firstFrameShown()
{
    if (m_firstFrameShown)
        return;
    m_firstFrameShown = true;
    storeStartupChoice();
}

void frmTip::cmdOK_Click()
{
    close();
}

void frmTip::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmTip::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Should no paint come (a display that never exposes the window), the choice is stored all the same.
    QTimer::singleShot(kStoreAfterShowMs, this, &frmTip::firstFrameShown);
}

void frmTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect shape = Twips::rectToPixels(kShapeLeft, kShapeTop, kShapeWidth, kShapeHeight);
    painter.fillRect(shape, kPanel);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(shape.adjusted(0, 0, -1, -1));
    // The stores of the opening wait for the first frame: tipset.dat is flushed to the disk, which would keep the
    // window from the screen for milliseconds. The zero timer runs once this frame has reached the display.
    if (!m_firstFrameShown)
        QTimer::singleShot(0, this, &frmTip::firstFrameShown);
}
