#include "email/MailController.h"

#include <QAction>
#include <QPointer>
#include <QWidget>

#include "core/BoardMenu.h"
#include "core/BoardSurface.h"
#include "core/Flag.h"
#include "email/EmailSettings.h"
#include "email/Esetup.h"
#include "email/MailCheck.h"
#include "email/MailIndicator.h"
#include "email/MailSecurity.h"
#include "email/frmEmail.h"
#include "platform/Keyring.h"
#include "platform/Notifier.h"
#include "platform/Platform.h"

MailController::MailController(Platform& platform, const DataDir& dataDir, BoardSurface& board)
    : m_platform(platform)
    , m_dataDir(dataDir)
    , m_board(board)
    , m_indicator(std::make_unique<MailIndicator>(platform, dataDir, board))
    , m_check(std::make_unique<MailCheck>(
          platform, dataDir, *m_indicator, [this]() -> frmEmail& { return loadMailList(); }))
{
    connect(m_indicator.get(), &MailIndicator::mailListRequested, this, &MailController::emailpic_Click);
    connect(m_check.get(), &MailCheck::mailListed, this, &MailController::notifyIfUnseen);
}

MailController::~MailController()
{
    // The check closes its session and its windows first; the mail list window goes after it.
    m_check.reset();
    delete m_mailList;
}

void MailController::loadPicture()
{
    m_indicator->loadPicture();
}

void MailController::startUp(const EmailSettings& settings)
{
    EmailSettings::restrictToOwner(m_dataDir);
    if (settings.automaticCheckConfigured()) {
        // The window and its timer load once the board has painted for the first time: the board shows as
        // quickly as without mail, and the first check is still an interval away.
        m_board.afterFirstPaint([this] { loadMailList(); });
        mnudisableauto->setVisible(true);
    }
    mnccheckemail->setEnabled(!settings.checkingFlagIs(0));
}

void MailController::mnccheckemail_Click()
{
    // A check already running (the board's or the list's) is left to finish; this click does nothing.
    if (m_check->running())
        return;
    EmailSettings::restrictToOwner(m_dataDir);
    const EmailSettings settings = EmailSettings::readFrom(m_dataDir);
    if (m_check->start(MailCheck::Variant::Board, settings, settings.password) && !settings.password.isEmpty())
        movePasswordToKeyring(settings);
}

void MailController::movePasswordToKeyring(const EmailSettings& settings)
{
    // A password written into email.dat before there was a keyring moves there now, and leaves the file.
    Keyring& keyring = m_platform.keyring;
    keyring.checkAvailable([this, &keyring, settings, self = QPointer<MailController>(this)](
                               const KeyringAnswer& there) {
        if (!self || there.status != KeyringAnswer::Ok)
            return;
        keyring.write(settings.keyringKey(), settings.password, [this, settings, self](const KeyringAnswer& kept) {
            if (!self || kept.status != KeyringAnswer::Ok)
                return;
            // Only if the file still holds what was moved: a save in the setup window meanwhile wins.
            EmailSettings now = EmailSettings::readFrom(m_dataDir);
            if (now.password != settings.password || now.account != settings.account || now.server != settings.server)
                return;
            now.password.clear();
            now.write(
                m_dataDir, static_cast<qint32>(variantNumber(now.checkingEnabled)), static_cast<qint32>(now.interval));
        });
    });
}

void MailController::mnudisableauto_Click()
{
    setAutomaticOn(!m_automaticOn);
}

void MailController::openSetup()
{
    Esetup setup(m_platform, m_dataDir, m_mailList && m_mailList->isVisible() ? m_mailList.data() : nullptr);
    connect(&setup, &Esetup::saved, this, &MailController::applySavedSettings);
    setup.exec();
}

void MailController::emailpic_Click()
{
    frmEmail& window = loadMailList();
    window.show();
    window.raise();
    window.activateWindow();
}

frmEmail* MailController::mailList() const
{
    return m_mailList;
}

frmEmail& MailController::loadMailList()
{
    if (!m_mailList) {
        m_mailList = new frmEmail(m_platform, m_dataDir);
        connect(m_mailList, &frmEmail::checkRequested, this, &MailController::listCheck);
        connect(m_mailList, &frmEmail::setupRequested, this, &MailController::openSetup);
        connect(m_mailList, &frmEmail::closed, m_indicator.get(), &MailIndicator::hide);
    }
    return *m_mailList;
}

void MailController::listCheck(bool automatic)
{
    frmEmail& window = loadMailList();
    // The prompt's answer stays the window's password, the cancel marker included: no second prompt until the
    // window is loaded again. Connected before the start, which may end the check at once.
    const auto remember = connect(m_check.get(), &MailCheck::passwordChosen, &window, &frmEmail::setPassword);
    const auto ended = std::make_shared<QMetaObject::Connection>();
    const auto disconnectBoth = [remember, ended] {
        QObject::disconnect(remember);
        QObject::disconnect(*ended);
    };
    *ended = connect(m_check.get(), &MailCheck::finished, &window, [&window, disconnectBoth] {
        disconnectBoth();
        window.checkEnded();
    });
    // Automatic checking switched off on the board: neither the button nor the timer checks.
    if (!m_automaticOn || !m_check->start(MailCheck::Variant::List, window.settings(), window.password(), automatic)) {
        disconnectBoth();
        window.checkEnded();
    }
}

void MailController::applySavedSettings(bool checkingEnabled, bool manualOnly)
{
    mnccheckemail->setEnabled(checkingEnabled);
    setAutomaticOn(checkingEnabled && !manualOnly);
    mnudisableauto->setVisible(checkingEnabled && !manualOnly);
    if (m_mailList)
        m_mailList->showSecurity(MailSecurity::readFrom(m_dataDir, EmailSettings::readFrom(m_dataDir).server).security);
}

void MailController::notifyIfUnseen(int count, const QString& firstSubject)
{
    // The light on the board says it all when the board can be seen. Hidden, minimised, or neither on top nor
    // in the active window (so probably covered), the desktop's notification says it instead.
    if (m_board.isSeen())
        return;
    const QString body = firstSubject.isEmpty() ? tr("%n message(s) waiting", nullptr, count)
                                                : tr("%n message(s) waiting\n%1", nullptr, count).arg(firstSubject);
    m_platform.notifier.notify(tr("Zendra Email Check"), body);
}

void MailController::addMenuItems(BoardMenu& menu)
{
    // Until the start-up has read email.dat, the board cannot check and does not check by itself.
    mnccheckemail = menu.addItem(BoardMenu::Section::Mail, QStringLiteral("mnccheckemail"), tr("Check &Email"));
    mnccheckemail->setEnabled(false);
    connect(mnccheckemail, &QAction::triggered, this, &MailController::mnccheckemail_Click);
    mnudisableauto = menu.addItem(BoardMenu::Section::Mail, QStringLiteral("mnudisableauto"), tr(kDisableCaption));
    mnudisableauto->setVisible(false);
    connect(mnudisableauto, &QAction::triggered, this, &MailController::mnudisableauto_Click);
}

void MailController::setAutomaticOn(bool on)
{
    m_automaticOn = on;
    mnudisableauto->setText(tr(on ? kDisableCaption : kEnableCaption));
}
