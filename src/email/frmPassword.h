#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

/// "Enter Email Password": asks for the mailbox password when none is stored. Not modal: the board goes on
/// while it is open. It answers once, with the typed password or the cancel marker, then closes.
class frmPassword final : public QDialog
{
    Q_OBJECT

public:
    /// What "&Cancel" (or closing the window) hands over instead of a password.
    static constexpr const char* kCancelMarker = "abort";

    explicit frmPassword(QWidget* parent = nullptr);

Q_SIGNALS:
    void answered(const QString& password);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();
    void answer(const QString& password);

    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    bool m_answered = false;
};
