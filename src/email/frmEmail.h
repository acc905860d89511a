#pragma once

#include <QWidget>

#include "core/DataDir.h"
#include "email/EmailSettings.h"
#include "email/MailListModel.h"
#include "platform/Pop3Client.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
struct Platform;

/// "Zendra Email Check": the headers the last check listed, and the timer of the automatic checks. Loaded on
/// first use, then only hidden and shown until the program ends; it keeps the settings it read when it loaded.
class frmEmail final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTickMs = 1000;

    frmEmail(Platform& platform, const DataDir& dataDir, QWidget* parent = nullptr);

    const EmailSettings& settings() const { return m_settings; }
    /// The list check's own password: read when loaded, then whatever the password prompt answered.
    QString password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }

    MailListModel& list() { return m_list; }
    /// "Email Messages", or after a listing "Email Messages - <count> message(s) waiting", and which part of
    /// them is listed when the list holds fewer than `count`.
    void setMessageCount(qint64 count, qint64 listed);
    void setLastChecked(const QString& date);
    QString lastChecked() const;
    QString frameCaption() const;
    void setCheckButtonEnabled(bool enabled);
    /// The status line: how the account's connection is secured, and what went wrong in an automatic check.
    void showSecurity(Pop3Security security);
    void setStatus(const QString& text);
    QString status() const;

    /// The monotonic time the next automatic check is due, while the timer runs.
    std::optional<qint64> dueTime() const;
    /// One tick of the timer: the list check when it is due. `checkEnded` sets the next due time.
    void Timer1_Timer();
    void checkEnded();

Q_SIGNALS:
    /// "Check &Email", or the timer (`automatic`): the list check should run. The receiver calls `checkEnded` once
    /// it has ended, at once when it did not start.
    void checkRequested(bool automatic);
    void setupRequested();
    /// "&Close" or "&Launch Client" hid the window: the board's light goes out too.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void showStatus();
    void Form_Load();
    void cmdClose_Click();
    void Command2_Click();

    Platform& m_platform;
    DataDir m_dataDir;
    EmailSettings m_settings;
    QString m_password;
    MailListModel m_list;
    qint64 m_period = 0;
    qint64 m_due = 0;
    bool m_timerCheckRunning = false;

    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtLast = nullptr;
    QGroupBox* Frame1 = nullptr;
    QTableView* MSFlexGrid1 = nullptr;
    QLabel* lblStatus = nullptr;
    QString m_security;
    QString m_status;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* cmdClose = nullptr;
    QTimer* Timer1 = nullptr;
};
