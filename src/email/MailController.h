#pragma once

#include <memory>

#include <QObject>
#include <QPointer>

#include "core/BoardFeature.h"
#include "core/DataDir.h"

class BoardSurface;
class MailCheck;
class MailIndicator;
class QAction;
class frmEmail;
struct EmailSettings;
struct Platform;

/// The mail feature on the board: the new-mail light, the board's two mail menu items, the mail list window
/// with its timer, the setup window and the checks. The board routes its menu items and the light's click here.
class MailController final : public QObject, public BoardFeature
{
    Q_OBJECT

public:
    static constexpr const char* kDisableCaption = QT_TR_NOOP("&Disable Auto Check");
    static constexpr const char* kEnableCaption = QT_TR_NOOP("Enable &Auto Check");

    MailController(Platform& platform, const DataDir& dataDir, BoardSurface& board);
    ~MailController() override;

    /// Loads email.gif into the light; a bad file gets its message.
    void loadPicture();
    /// The board's start-up: the menu items from the settings, and the mail list window loaded hidden when
    /// mail is checked automatically.
    void startUp(const EmailSettings& settings);

    /// "Check &Email" and "&Disable Auto Check" / "Enable &Auto Check" in the board menu.
    void addMenuItems(BoardMenu& menu) override;

    /// The board's "Check &Email": email.dat read afresh, the checking window, a word when there is no mail.
    void mnccheckemail_Click();
    void mnudisableauto_Click();
    /// The setup window, modal; returns when it has closed.
    void openSetup();
    /// A click on the light: the mail list window.
    void emailpic_Click();

    MailIndicator& indicator() const { return *m_indicator; }
    MailCheck& check() const { return *m_check; }
    /// The mail list window while it is loaded, else null.
    frmEmail* mailList() const;

private:
    frmEmail& loadMailList();
    void listCheck(bool automatic);
    void movePasswordToKeyring(const EmailSettings& settings);
    void applySavedSettings(bool checkingEnabled, bool manualOnly);
    /// Automatic checking on or off on the board; the item's caption offers the other.
    void setAutomaticOn(bool on);
    void notifyIfUnseen(int count, const QString& firstSubject);

    Platform& m_platform;
    DataDir m_dataDir;
    BoardSurface& m_board;
    std::unique_ptr<MailIndicator> m_indicator;
    std::unique_ptr<MailCheck> m_check;
    QPointer<frmEmail> m_mailList;
    QAction* mnccheckemail = nullptr;
    QAction* mnudisableauto = nullptr;
    /// Whether automatic checking runs, as "&Disable Auto Check" / "Enable &Auto Check" switches it.
    bool m_automaticOn = true;
};
