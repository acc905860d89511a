#include "email/Esetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include "core/Flag.h"
#include "core/RoomForText.h"
#include "core/Twips.h"
#include "email/EmailSettings.h"
#include "email/MailSecurity.h"
#include "platform/Dialogs.h"
#include "platform/Keyring.h"
#include "platform/OnlineAccounts.h"
#include "platform/Platform.h"
#include "platform/Sound.h"

namespace
{
using Twips::place;

// The security choices in the order of their list, which is also the order of their numbers in emailsec.dat.
constexpr Pop3Security kSecurities[] = {Pop3Security::TlsOnConnect, Pop3Security::StartTls, Pop3Security::None};

// The frame of the account boxes holds the security choice under them; what lies below moves down with it.
constexpr double kGrownBy = 1200;
// The online-account choice at the foot of that frame takes this much more, once the desktop has offered accounts.
constexpr double kOnlineRow = 690;
// "5" in the minutes list: the interval a save takes when no entry was chosen.
constexpr int kDefaultMinutesIndex = 4;

/// The POP3 server of each provider whose accounts the desktop signs in to; others leave the server to the person.
QString serverOf(const QString& providerType)
{
    return providerType == u"google" ? QStringLiteral("pop.gmail.com:995") : QString();
}

QString describe(const OnlineAccount& account)
{
    return Esetup::tr("%1 \u2014 %2").arg(account.providerName, account.identity);
}

QLabel* label(QWidget* parent, const QString& caption, double left, double top, double width, QWidget* buddy)
{
    auto* text = place(new QLabel(caption, parent), "", left, top, width, 255);
    text->setBuddy(buddy);
    return text;
}

/// The folder a path starts in: everything up to its last separator, or nothing.
QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}
} // namespace

Esetup::Esetup(Platform& platform, const DataDir& dataDir, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_dataDir(dataDir)
{
    setObjectName(QStringLiteral("Esetup"));
    setWindowTitle(tr("Zendra Email Check Setup"));
    setFixedSize(Twips::sizeToPixels(5400, 4800 + kGrownBy));
    QFont dialogFont = font();
    dialogFont.setPointSizeF(8);
    setFont(dialogFont);
    buildControls();
    Form_Load();
    RoomForText::fitWindow(this);
}

void Esetup::buildControls()
{
    // Built in reading order, so that Tab goes from the top left to the bottom right.
    Check1 = place(new QCheckBox(tr("Check for new email messages"), this), "Check1", 120, 120, 3600, 255);
    Optauto = place(new QRadioButton(this), "Optauto", 360, 510, 255, 255);
    Optauto->setAccessibleName(tr("Check every"));
    min = place(new QComboBox(this), "min", 660, 465, 735, 315);
    for (const int minutes : EmailSettings::kMinutes)
        min->addItem(QString::number(minutes));
    min->setCurrentIndex(-1);
    min->setAccessibleName(tr("Minutes between checks"));
    label(this, tr("minute(s)"), 1455, 510, 900, min);
    OptManual = place(new QRadioButton(tr(" Manual Check Only"), this), "OptManual", 2700, 510, 2400, 255);

    Frame1 = place(new QGroupBox(tr("POP3 Email Server "), this), "Frame1", 120, 900, 5160, 2100 + kGrownBy);
    txtServer = place(new QLineEdit(Frame1), "txtServer", 1800, 270, 3195, 285);
    label(Frame1, tr("Mail Server Address:"), 120, 300, 1650, txtServer);
    txtPOP = place(new QLineEdit(Frame1), "txtPOP", 1800, 645, 3195, 285);
    label(Frame1, tr("POP3 Account:"), 120, 675, 1650, txtPOP);
    txtPass = place(new QLineEdit(Frame1), "txtPass", 1800, 1020, 2200, 285);
    txtPass->setEchoMode(QLineEdit::Password);
    txtPass->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    label(Frame1, tr("Password:"), 120, 1050, 1650, txtPass);
    label(Frame1, tr("(Optional)"), 4080, 1050, 960, nullptr);
    txtEmail = place(new QLineEdit(Frame1), "txtEmail", 1800, 1395, 3195, 285);
    label(Frame1, tr("Email Address:"), 120, 1425, 1650, txtEmail);
    cboSecurity = place(new QComboBox(Frame1), "cboSecurity", 1800, 1755, 3195, 315);
    for (const Pop3Security security : kSecurities)
        cboSecurity->addItem(MailSecurity::describe(security));
    label(Frame1, tr("Security:"), 120, 1785, 1650, cboSecurity);
    lblSecurityWarning =
        place(new QLabel(
                  tr("Warning: your password and mail cross the network unencrypted; anyone on the way can read them."),
                  Frame1),
              "lblSecurityWarning",
              120,
              2115,
              4920,
              465);
    lblSecurityWarning->setWordWrap(true);
    passwordPlace = place(new QLabel(tr("A password is kept in email.dat, readable by you alone."), Frame1),
                          "passwordPlace",
                          120,
                          2625,
                          4920,
                          255);
    lblCertificate = place(new QLabel(Frame1), "lblCertificate", 120, 2955, 3840, 255);
    lblCertificate->setTextFormat(Qt::PlainText);
    cmdForget = place(new QPushButton(tr("Forget"), Frame1), "cmdForget", 4080, 2925, 960, 315);
    cmdForget->setAccessibleDescription(tr("Stop trusting the certificate when OK is pressed"));
    chkOnline = place(
        new QCheckBox(tr("Sign in with an online account of this desktop"), Frame1), "chkOnline", 120, 3300, 4920, 255);
    cboOnline = place(new QComboBox(Frame1), "cboOnline", 360, 3630, 4680, 315);
    cboOnline->setAccessibleName(tr("Online account"));
    // Shown only when the desktop offers accounts (see showOnlineAccounts).
    chkOnline->hide();
    cboOnline->hide();

    Frame2 = place(
        new QGroupBox(tr("Sound-Alert When New Messages Arrive"), this), "Frame2", 120, 3120 + kGrownBy, 5160, 1050);
    Check2 = place(new QCheckBox(tr("Off"), Frame2), "Check2", 120, 315, 720, 255);
    txtSound = place(new QLineEdit(Frame2), "txtSound", 900, 285, 4140, 285);
    txtSound->setAccessibleName(tr("Sound file"));
    Command1 = place(new QPushButton(tr("Browse"), Frame2), "Command1", 2700, 645, 1140, 315);
    cmdtest = place(new QPushButton(tr("Test"), Frame2), "cmdtest", 3900, 645, 1140, 315);

    Command2 = place(new QPushButton(tr("OK"), this), "Command2", 2880, 4290 + kGrownBy, 1140, 375);
    Command3 = place(new QPushButton(tr("Cancel"), this), "Command3", 4140, 4290 + kGrownBy, 1140, 375);
    Command2->setEnabled(false);
    cmdtest->setEnabled(false);
    for (QPushButton* button : {Command1, cmdtest, Command2, Command3, cmdForget})
        button->setAutoDefault(false);

    // A disabled text box shows the button face, an enabled one the window background.
    for (QLineEdit* box : {txtServer, txtPOP, txtPass, txtEmail, txtSound}) {
        QPalette colours = box->palette();
        colours.setColor(QPalette::Disabled, QPalette::Base, colours.color(QPalette::Active, QPalette::Button));
        box->setPalette(colours);
        box->installEventFilter(this);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{Check1, Check2, min})
        control->installEventFilter(this);

    connect(Check1, &QCheckBox::toggled, this, &Esetup::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &Esetup::Check2_Click);
    connect(Optauto, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optionChosen();
    });
    connect(OptManual, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optionChosen();
    });
    connect(cboSecurity, &QComboBox::activated, this, &Esetup::securityChosen);
    // Only the person's choice fills in the boxes; loading the window shows what email.dat holds.
    const auto onlineChosen = [this] {
        onlineAccountChosen();
        fillFromOnlineAccount();
        enableOk();
    };
    connect(chkOnline, &QCheckBox::clicked, this, onlineChosen);
    connect(cboOnline, &QComboBox::activated, this, onlineChosen);
    connect(cmdForget, &QPushButton::clicked, this, [this] {
        m_certificate.clear();
        showTrustedCertificate();
        enableOk();
    });
    connect(Command1, &QPushButton::clicked, this, &Esetup::Command1_Click);
    connect(cmdtest, &QPushButton::clicked, this, &Esetup::cmdtest_Click);
    connect(Command2, &QPushButton::clicked, this, &Esetup::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &QDialog::reject);
}

void Esetup::Form_Load()
{
    const EmailSettings settings = EmailSettings::readFrom(m_dataDir);
    const MailSecurity security = MailSecurity::readFrom(m_dataDir, settings.server);
    cboSecurity->setCurrentIndex(static_cast<int>(security.security));
    lblSecurityWarning->setVisible(security.security == Pop3Security::None);
    m_certificate = security.certificateFor(settings.keyringKey());
    showTrustedCertificate();
    m_onlineProvider = security.onlineProvider;
    m_onlineIdentity = security.onlineIdentity;
    m_platform.onlineAccounts.list([self = QPointer<Esetup>(this)](const OnlineAccountsAnswer& answer) {
        if (self)
            self->showOnlineAccounts(answer);
    });
    if (settings.checkingFlagIs(0)) {
        for (QWidget* control : std::initializer_list<QWidget*>{Optauto, OptManual, min, Check2, cboSecurity})
            control->setEnabled(false);
        for (QLineEdit* box : {txtServer, txtPOP, txtPass, txtEmail, txtSound})
            setBoxEnabled(box, false);
    }
    if (settings.manualOnly()) {
        OptManual->setChecked(true);
        min->setEnabled(false);
    } else if (const auto minutes = EmailSettings::minutesOf(settings.interval)) {
        min->setCurrentText(QString::number(*minutes));
        Optauto->setChecked(true);
    }
    // Ticking the box here runs its rule: with the flag set every control ends up enabled.
    Check1->setChecked(settings.checkingFlagIs(1));
    txtPOP->setText(settings.account);
    txtPass->setText(settings.password);
    txtServer->setText(settings.server);
    txtEmail->setText(settings.address);
    if (!settings.alertSound.isEmpty()) {
        Check2->setChecked(true);
        txtSound->setText(settings.alertSound);
    } else {
        setBoxEnabled(txtSound, false);
    }

    // Where a keyring is there, the password lives in it: the box shows it once the keyring has answered,
    // unless the user has typed in the box by then.
    m_keyringKey = settings.keyringKey();
    m_platform.keyring.checkAvailable([self = QPointer<Esetup>(this)](const KeyringAnswer& answer) {
        if (!self)
            return;
        self->m_keyringAnswered = true;
        if (self->m_keyringWait)
            self->m_keyringWait->quit();
        if (answer.status != KeyringAnswer::Ok)
            return;
        self->m_keyringName = answer.message;
        self->onlineAccountChosen();
        if (!self->txtPass->text().isEmpty())
            return;
        self->m_platform.keyring.read(self->m_keyringKey, [self](const KeyringAnswer& stored) {
            if (self && stored.status == KeyringAnswer::Ok && !self->txtPass->isModified())
                self->txtPass->setText(stored.password);
        });
    });
}

void Esetup::Check1_Click()
{
    const bool on = Check1->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Optauto, OptManual, min, Check2, cboSecurity, chkOnline, cboOnline})
        control->setEnabled(on);
    for (QLineEdit* box : {txtServer, txtPOP, txtPass, txtEmail, txtSound})
        setBoxEnabled(box, on);
    if (on)
        onlineAccountChosen();
}

void Esetup::Check2_Click()
{
    const bool on = Check2->isChecked() && Check2->isEnabled();
    Check2->setText(on ? tr("On") : tr("Off"));
    setBoxEnabled(txtSound, on);
}

void Esetup::optionChosen()
{
    // The two options exclude each other by themselves; choosing either makes the window savable.
    enableOk();
}

void Esetup::securityChosen()
{
    lblSecurityWarning->setVisible(kSecurities[cboSecurity->currentIndex()] == Pop3Security::None);
    enableOk();
}

void Esetup::showOnlineAccounts(const OnlineAccountsAnswer& answer)
{
    if (answer.status != OnlineAccountsAnswer::Ok)
        return;
    m_onlineAccounts = answer.accounts;
    int chosen = -1;
    for (const OnlineAccount& account : std::as_const(m_onlineAccounts)) {
        if (account.providerType == m_onlineProvider && account.identity == m_onlineIdentity)
            chosen = cboOnline->count();
        cboOnline->addItem(describe(account));
    }
    const bool removed = !m_onlineIdentity.isEmpty() && chosen < 0;
    if (m_onlineAccounts.isEmpty() && !removed)
        return;
    // The window grows by the choice's row: the frame, and what lies below it.
    const int row = Twips::toPixels(kOnlineRow);
    Frame1->resize(Frame1->width(), Frame1->height() + row);
    for (QWidget* below : std::initializer_list<QWidget*>{Frame2, Command2, Command3})
        below->move(below->x(), below->y() + row);
    setFixedSize(width(), height() + row);
    chkOnline->show();
    cboOnline->show();
    cboOnline->setCurrentIndex(qMax(chosen, 0));
    chkOnline->setChecked(chosen >= 0);
    chkOnline->setEnabled(Check1->isChecked() && !m_onlineAccounts.isEmpty());
    // An account gone from the desktop: the password path is offered again, with a word on why.
    m_removedAccount = removed ? m_onlineIdentity : QString();
    onlineAccountChosen();
}

void Esetup::onlineAccountChosen()
{
    const bool online = !chkOnline->isHidden() && chkOnline->isChecked() && cboOnline->currentIndex() >= 0 &&
                        cboOnline->currentIndex() < m_onlineAccounts.size();
    const bool on = Check1->isChecked();
    cboOnline->setEnabled(on && online);
    setBoxEnabled(txtPass, on && !online);
    cboSecurity->setEnabled(on && !online);
    if (!online) {
        lblSecurityWarning->setVisible(kSecurities[qMax(0, cboSecurity->currentIndex())] == Pop3Security::None);
        if (!m_removedAccount.isEmpty())
            passwordPlace->setText(tr("The online account %1 is no longer on this desktop.").arg(m_removedAccount));
        else if (!m_keyringName.isEmpty())
            passwordPlace->setText(tr("A password is kept in %1.").arg(m_keyringName));
        else
            passwordPlace->setText(tr("A password is kept in email.dat, readable by you alone."));
        return;
    }
    // Signed in by the desktop over TLS: no password, no clear-text choice.
    txtPass->clear();
    cboSecurity->setCurrentIndex(static_cast<int>(Pop3Security::TlsOnConnect));
    lblSecurityWarning->hide();
    passwordPlace->setText(tr("No password is kept: the desktop signs in."));
}

void Esetup::fillFromOnlineAccount()
{
    if (!chkOnline->isChecked() || cboOnline->currentIndex() < 0 ||
        cboOnline->currentIndex() >= m_onlineAccounts.size())
        return;
    const OnlineAccount& account = m_onlineAccounts[cboOnline->currentIndex()];
    if (!serverOf(account.providerType).isEmpty())
        txtServer->setText(serverOf(account.providerType));
    txtPOP->setText(account.emailAddress);
    if (txtEmail->text().isEmpty())
        txtEmail->setText(account.emailAddress);
}

void Esetup::showTrustedCertificate()
{
    lblCertificate->setVisible(!m_certificate.isEmpty());
    cmdForget->setVisible(!m_certificate.isEmpty());
    const QString text = tr("Trusted certificate: SHA-256 %1").arg(m_certificate);
    lblCertificate->setText(lblCertificate->fontMetrics().elidedText(text, Qt::ElideRight, lblCertificate->width()));
    lblCertificate->setToolTip(Qt::convertFromPlainText(text));
}

void Esetup::waitForKeyring()
{
    if (m_keyringAnswered)
        return;
    QEventLoop loop;
    m_keyringWait = &loop;
    Command2->setEnabled(false);
    loop.exec();
    m_keyringWait = nullptr;
    Command2->setEnabled(true);
}

void Esetup::Command1_Click()
{
    const auto chosen =
        m_platform.dialogs.openFile({folderOf(txtSound->text()), tr("Browse"), {tr("Wav Files (*.wav)")}, 0});
    if (!chosen)
        return;
    txtSound->setText(*chosen);
    cmdtest->setEnabled(true);
}

void Esetup::cmdtest_Click()
{
    if (!txtSound->text().isEmpty())
        m_platform.sound.play(txtSound->text());
}

void Esetup::Command2_Click()
{
    if (txtPOP->text().isEmpty() || txtServer->text().isEmpty() || txtEmail->text().isEmpty()) {
        const MessageAnswer answer =
            m_platform.dialogs.message({tr("You have failed to enter all the needed information. Please try again."),
                                        tr("Information Incomplete"),
                                        MessageIcon::Critical,
                                        MessageButtons::RetryCancel});
        if (answer != MessageAnswer::Retry)
            reject();
        return;
    }

    qint32 interval = static_cast<qint32>(EmailSettings::kManualCheckInterval);
    if (Optauto->isChecked()) {
        if (min->currentIndex() < 0)
            min->setCurrentIndex(kDefaultMinutesIndex);
        // The list holds only its fourteen values; anything else still gives a whole record.
        interval = min->currentText().toInt() * EmailSettings::kMillisecondsPerMinute;
    }
    EmailSettings settings;
    settings.account = txtPOP->text();
    settings.password = txtPass->text();
    settings.server = txtServer->text();
    settings.address = txtEmail->text();
    settings.alertSound = Check2->isChecked() ? txtSound->text() : QString();
    const qint32 flag = Check1->isChecked() ? 1 : 0;
    // Whether the password goes into the keyring or into the file is decided only once the keyring has answered.
    waitForKeyring();
    if (!m_keyringName.isEmpty())
        settings.password = keepInKeyring(settings);
    const auto notSaved = [this](const char* name) {
        m_platform.dialogs.message(
            {tr("The email settings could not be saved in %1.").arg(m_dataDir.file(QString::fromLatin1(name))),
             tr("Zendra Email Check Setup"),
             MessageIcon::Critical,
             MessageButtons::Ok});
    };
    if (!settings.write(m_dataDir, flag, interval)) {
        notSaved(EmailSettings::kName);
        return;
    }
    MailSecurity security;
    security.security = kSecurities[qMax(0, cboSecurity->currentIndex())];
    if (!chkOnline->isHidden() && chkOnline->isChecked() && cboOnline->currentIndex() >= 0 &&
        cboOnline->currentIndex() < m_onlineAccounts.size()) {
        security.onlineProvider = m_onlineAccounts[cboOnline->currentIndex()].providerType;
        security.onlineIdentity = m_onlineAccounts[cboOnline->currentIndex()].identity;
    }
    // A trusted certificate belongs to its account: a new server or account starts trusting nothing.
    if (!m_certificate.isEmpty() && settings.keyringKey() == m_keyringKey) {
        security.certificateAccount = m_keyringKey;
        security.certificate = m_certificate;
    }
    if (!security.write(m_dataDir)) {
        notSaved(MailSecurity::kName);
        return;
    }
    Q_EMIT saved(Check1->isChecked(), OptManual->isChecked());
    accept();
}

QString Esetup::keepInKeyring(const EmailSettings& settings)
{
    // The keyring answers on the event loop; the window waits for it with "OK" disabled, repainting meanwhile.
    struct Wait
    {
        QEventLoop loop;
        KeyringAnswer answer;
        bool answered = false;
    };
    const auto wait = std::make_shared<Wait>();
    const auto done = [wait](const KeyringAnswer& answer) {
        wait->answer = answer;
        wait->answered = true;
        wait->loop.quit();
    };
    Command2->setEnabled(false);
    // An empty password is asked for at every check, so nothing may stay in the keyring under the account.
    if (settings.password.isEmpty())
        m_platform.keyring.remove(settings.keyringKey(), done);
    else
        m_platform.keyring.write(settings.keyringKey(), settings.password, done);
    if (!wait->answered)
        wait->loop.exec();
    Command2->setEnabled(true);
    if (wait->answer.status == KeyringAnswer::Ok) {
        // An account or server changed: the password kept under the old name goes.
        if (m_keyringKey != settings.keyringKey())
            m_platform.keyring.remove(m_keyringKey, [](const KeyringAnswer&) {});
        return {};
    }
    if (settings.password.isEmpty())
        return {};
    m_platform.dialogs.message(
        {tr("The keyring did not take the password: %1\nIt is kept in email.dat, readable by you "
            "alone.")
             .arg(wait->answer.message),
         tr("Zendra Email Check Setup"),
         MessageIcon::Warning,
         MessageButtons::Ok});
    return settings.password;
}

void Esetup::enableOk()
{
    Command2->setEnabled(true);
}

void Esetup::setBoxEnabled(QLineEdit* box, bool enabled)
{
    box->setEnabled(enabled);
}

bool Esetup::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool checkBox = watched == Check1 || watched == Check2;
    if (type == QEvent::KeyPress || (checkBox && type == QEvent::MouseButtonRelease) ||
        (watched == min && type == QEvent::FocusIn))
        enableOk();
    return QDialog::eventFilter(watched, event);
}
