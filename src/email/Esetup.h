#pragma once

#include <QDialog>
#include <QList>

#include "core/DataDir.h"
#include "platform/OnlineAccounts.h"

class QCheckBox;
class QEventLoop;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct EmailSettings;
struct Platform;

/// "Zendra Email Check Setup": the POP3 account, how often it is checked and the alert sound, kept in
/// email.dat. Opened modally; every opening reloads the file.
class Esetup final : public QDialog
{
    Q_OBJECT

public:
    Esetup(Platform& platform, const DataDir& dataDir, QWidget* parent = nullptr);

Q_SIGNALS:
    /// email.dat was written: the board's mail items follow the new settings.
    void saved(bool checkingEnabled, bool manualOnly);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void Check1_Click();
    void Check2_Click();
    void optionChosen();
    void Command1_Click();
    void cmdtest_Click();
    void Command2_Click();
    void securityChosen();
    /// The desktop's online accounts answered: the choice shows when it has any, and the window makes room for it.
    void showOnlineAccounts(const OnlineAccountsAnswer& answer);
    /// Enables the boxes for the online account chosen (no password), or for a password when there is none.
    void onlineAccountChosen();
    /// Fills the server and account boxes from the online account chosen.
    void fillFromOnlineAccount();
    void showTrustedCertificate();
    /// Waits, repainting, until the keyring has said whether it is there.
    void waitForKeyring();
    /// Puts the password into the keyring, or takes an empty one out of it; returns what email.dat keeps.
    QString keepInKeyring(const EmailSettings& settings);
    void enableOk();
    void setBoxEnabled(QLineEdit* box, bool enabled);

    Platform& m_platform;
    DataDir m_dataDir;
    /// The keyring's name once it has said it is there; empty without a keyring.
    QString m_keyringName;
    /// The password's name in the keyring for the account as loaded.
    QString m_keyringKey;
    bool m_keyringAnswered = false;
    QEventLoop* m_keyringWait = nullptr;
    /// The certificate trusted for the account as loaded; emptied by "Forget".
    QString m_certificate;
    /// The online account the file names, and the ones the desktop offers, in the order of their list.
    QString m_onlineProvider;
    QString m_onlineIdentity;
    QList<OnlineAccount> m_onlineAccounts;
    /// The identity of the online account the file names when the desktop no longer has it.
    QString m_removedAccount;

    QCheckBox* Check1 = nullptr;
    QRadioButton* Optauto = nullptr;
    QComboBox* min = nullptr;
    QRadioButton* OptManual = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtServer = nullptr;
    QLineEdit* txtPOP = nullptr;
    QLineEdit* txtPass = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLabel* passwordPlace = nullptr;
    QComboBox* cboSecurity = nullptr;
    QLabel* lblSecurityWarning = nullptr;
    QLabel* lblCertificate = nullptr;
    QPushButton* cmdForget = nullptr;
    QCheckBox* chkOnline = nullptr;
    QComboBox* cboOnline = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* Check2 = nullptr;
    QLineEdit* txtSound = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdtest = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};
