#include "email/frmEmail.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include "core/RoomForText.h"
#include "core/Twips.h"
#include "email/MailSecurity.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace
{
using Twips::place;

// The window as drawn, in twips, with two lines of status below the buttons; a larger window gives the grid the
// room it gains.
constexpr double kWidth = 6510;
constexpr double kStatusTop = 3120;
constexpr double kStatusHeight = 480;
constexpr double kHeight = kStatusTop + kStatusHeight + 60;
constexpr double kGridLeft = 180;
constexpr double kGridTop = 750;
constexpr double kGridWidth = 6120;
constexpr double kGridHeight = 1680;
constexpr double kButtonTop = 2685;
// Columns 1 to 3; the fourth, empty one fills what is left.
constexpr double kColumnTwips[] = {2200, 2200, 2300};

} // namespace

frmEmail::frmEmail(Platform& platform, const DataDir& dataDir, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_dataDir(dataDir)
{
    setObjectName(QStringLiteral("frmEmail"));
    setWindowTitle(tr("Zendra Email Check"));
    resize(Twips::sizeToPixels(kWidth, kHeight));
    setMinimumSize(Twips::sizeToPixels(kWidth, kHeight));
    QFont dialogFont = font();
    dialogFont.setPointSizeF(8);
    setFont(dialogFont);
    buildControls();
    Form_Load();
    RoomForText::fitWindow(this);
}

void frmEmail::buildControls()
{
    auto* Label1 = place(new QLabel(tr("Email Address:"), this), "Label1", 60, 165, 1110, 255);
    txtEmail = place(new QLineEdit(this), "txtEmail", 1200, 135, 2835, 285);
    Label1->setBuddy(txtEmail);
    auto* Label2 = place(new QLabel(tr("Last Checked:"), this), "Label2", 4350, 165, 1110, 255);
    txtLast = place(new QLineEdit(this), "txtLast", 5475, 135, 930, 285);
    Label2->setBuddy(txtLast);
    for (QLineEdit* box : {txtEmail, txtLast}) {
        box->setReadOnly(true);
        QPalette menuColour = box->palette();
        menuColour.setColor(QPalette::Base, menuColour.color(QPalette::Window));
        box->setPalette(menuColour);
    }

    Frame1 = place(new QGroupBox(tr("Email Messages"), this), "Frame1", 75, 540, 6345, 2010);
    MSFlexGrid1 = new QTableView(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setModel(&m_list);
    MSFlexGrid1->setAccessibleName(tr("Email messages"));
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(Twips::toPixels(240));
    MSFlexGrid1->horizontalHeader()->setFixedHeight(Twips::toPixels(150));
    MSFlexGrid1->horizontalHeader()->setStretchLastSection(true);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    MSFlexGrid1->setTextElideMode(Qt::ElideMiddle);
    MSFlexGrid1->setWordWrap(false);
    MSFlexGrid1->installEventFilter(this);

    Command3 = place(new QPushButton(tr("Email &Setup"), this), "Command3", 75, kButtonTop, 1245, 375);
    Command1 = place(new QPushButton(tr("Check &Email"), this), "Command1", 1350, kButtonTop, 1245, 375);
    Command2 = place(new QPushButton(tr("&Launch Client"), this), "Command2", 2640, kButtonTop, 1245, 375);
    cmdClose = place(new QPushButton(tr("&Close"), this), "cmdClose", 5160, kButtonTop, 1245, 375);
    connect(Command3, &QPushButton::clicked, this, &frmEmail::setupRequested);
    connect(Command1, &QPushButton::clicked, this, [this] { Q_EMIT checkRequested(false); });
    connect(Command2, &QPushButton::clicked, this, &frmEmail::Command2_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmEmail::cmdClose_Click);

    // Words from the server may stand here: shown as they are, never as markup.
    lblStatus = place(new QLabel(this), "lblStatus", 75, kStatusTop, 6345, kStatusHeight);
    lblStatus->setTextFormat(Qt::PlainText);
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &frmEmail::Timer1_Timer);
}

void frmEmail::Form_Load()
{
    m_settings.read(m_dataDir);
    m_password = m_settings.password;
    txtEmail->setText(m_settings.address);
    // A box too narrow for its text shows the beginning, the day of a date first.
    txtEmail->setCursorPosition(0);
    showSecurity(MailSecurity::readFrom(m_dataDir, m_settings.server).security);
    if (!m_settings.manualOnly()) {
        // The interval as the file holds it. One that is not a number reads as 0: a check every second would
        // hammer the server, so nothing runs more often than the shortest interval the setup window offers.
        m_period = std::max(qint64(EmailSettings::kMillisecondsPerMinute), qint64(m_settings.interval));
        m_due = m_platform.clock.milliseconds() + m_period;
        Timer1->start(kTickMs);
    }
    m_list.reset({tr("From:"), tr("Subject:"), tr("Date Sent:")});
    resizeEvent(nullptr);
}

void frmEmail::setMessageCount(qint64 count, qint64 listed)
{
    // Set again with every slice of rows: only a change costs a new layout of the frame.
    // The count comes from the check's int; the plural form follows it.
    const int n = static_cast<int>(count);
    const QString caption =
        listed < count ? tr("Email Messages - %n message(s) waiting (the first %1 listed)", nullptr, n).arg(listed)
                       : tr("Email Messages - %n message(s) waiting", nullptr, n);
    if (caption != Frame1->title())
        Frame1->setTitle(caption);
}

void frmEmail::setLastChecked(const QString& date)
{
    if (date != txtLast->text()) {
        txtLast->setText(date);
        txtLast->setCursorPosition(0);
    }
}

QString frmEmail::lastChecked() const
{
    return txtLast->text();
}

QString frmEmail::frameCaption() const
{
    return Frame1->title();
}

void frmEmail::setCheckButtonEnabled(bool enabled)
{
    Command1->setEnabled(enabled);
}

void frmEmail::showSecurity(Pop3Security security)
{
    m_security = tr("Security: %1").arg(MailSecurity::describe(security));
    showStatus();
}

void frmEmail::setStatus(const QString& text)
{
    m_status = QString(text).replace(u'\n', u' ');
    lblStatus->setToolTip(Qt::convertFromPlainText(text));
    showStatus();
}

void frmEmail::showStatus()
{
    // Two lines: the security, and what went wrong, cut to the window's width (the tooltip has all of it).
    const QString problem = lblStatus->fontMetrics().elidedText(m_status, Qt::ElideRight, lblStatus->width());
    lblStatus->setText(m_status.isEmpty() ? m_security : m_security + u'\n' + problem);
}

QString frmEmail::status() const
{
    return m_status.isEmpty() ? m_security : m_security + u'\n' + m_status;
}

std::optional<qint64> frmEmail::dueTime() const
{
    return Timer1->isActive() ? std::optional<qint64>(m_due) : std::nullopt;
}

void frmEmail::Timer1_Timer()
{
    // The clock is monotonic and 64 bits wide: no wrap after 49.7 days, no precision lost with the uptime.
    if (m_timerCheckRunning || m_due >= m_platform.clock.milliseconds())
        return;
    m_timerCheckRunning = true;
    Q_EMIT checkRequested(true);
}

void frmEmail::checkEnded()
{
    if (!m_timerCheckRunning)
        return;
    m_timerCheckRunning = false;
    // The next check is due one interval after this one ended.
    m_due = m_platform.clock.milliseconds() + m_period;
}

void frmEmail::cmdClose_Click()
{
    hide();
    Q_EMIT closed();
}

void frmEmail::Command2_Click()
{
    // The desktop's mail program; when there is none, nothing opens and nothing is said.
    m_platform.shell.open(QUrl(QStringLiteral("mailto:")));
    cmdClose_Click();
}

bool frmEmail::eventFilter(QObject* watched, QEvent* event)
{
    // The grid is for reading: the focus it receives goes on to "&Close".
    if (watched == MSFlexGrid1 && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, cmdClose, [this] { cmdClose->setFocus(Qt::OtherFocusReason); });
    return QWidget::eventFilter(watched, event);
}

void frmEmail::resizeEvent(QResizeEvent*)
{
    // What the window has grown by goes to the frame and the grid; the buttons keep to the bottom edge and
    // "&Close" to the right one.
    const int grownX = std::max(0, width() - Twips::toPixels(kWidth));
    const int grownY = std::max(0, height() - Twips::toPixels(kHeight));
    Frame1->setGeometry(Twips::rectToPixels(75, 540, 6345, 2010).adjusted(0, 0, grownX, grownY));
    MSFlexGrid1->setGeometry(
        Twips::rectToPixels(kGridLeft, kGridTop, kGridWidth, kGridHeight).adjusted(0, 0, grownX, grownY));
    for (QPushButton* button : {Command3, Command1, Command2})
        button->move(button->x(), Twips::toPixels(kButtonTop) + grownY);
    cmdClose->move(Twips::toPixels(5160) + grownX, Twips::toPixels(kButtonTop) + grownY);
    lblStatus->setGeometry(
        Twips::rectToPixels(75, kStatusTop, 6345, kStatusHeight).adjusted(0, grownY, grownX, grownY));
    showStatus();
    // The three columns keep their proportions as the grid widens.
    const double scale = static_cast<double>(MSFlexGrid1->width()) / Twips::toPixels(kGridWidth);
    for (int column = 0; column < 3; ++column)
        MSFlexGrid1->setColumnWidth(column, static_cast<int>(Twips::toPixels(kColumnTwips[column]) * scale));
}
