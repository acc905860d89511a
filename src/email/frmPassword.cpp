#include "email/frmPassword.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/RoomForText.h"
#include "core/Twips.h"

frmPassword::frmPassword(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(tr("Enter Email Password"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::sizeToPixels(3840, 1440));

    auto* prompt = new QLabel(tr("Please enter your password:"), this);
    prompt->setGeometry(Twips::rectToPixels(120, 120, 3600, 255));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setGeometry(Twips::rectToPixels(120, 420, 3600, 315));
    txtPassword->setEchoMode(QLineEdit::Password);
    // Every typed character shows as "*", whatever the style's own password character.
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    txtPassword->setAccessibleName(tr("Password"));
    txtPassword->installEventFilter(this);
    prompt->setBuddy(txtPassword);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rectToPixels(1320, 900, 1140, 375));
    cmdOK->setEnabled(false);
    cmdOK->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmPassword::cmdOK_Click);
    auto* cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(Twips::rectToPixels(2580, 900, 1140, 375));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPassword::cmdCancel_Click);
    RoomForText::fitWindow(this);
}

bool frmPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword) {
        if (event->type() == QEvent::KeyPress)
            cmdOK->setEnabled(true);
        // Releasing Enter in the box confirms, as "&OK" does.
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
                cmdOK_Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPassword::keyPressEvent(QKeyEvent* event)
{
    // Enter acts on its release in the box; Escape cancels as "&Cancel" does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    if (event->key() == Qt::Key_Escape) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmPassword::cmdOK_Click()
{
    // An empty password would leave the check waiting for one: the window stays open until one is typed or
    // the user cancels.
    if (txtPassword->text().isEmpty())
        return;
    answer(txtPassword->text());
}

void frmPassword::cmdCancel_Click()
{
    answer(QString::fromLatin1(kCancelMarker));
}

void frmPassword::closeEvent(QCloseEvent* event)
{
    // Closed by the window frame: the check must not wait for ever, so this counts as "&Cancel".
    if (!m_answered) {
        m_answered = true;
        Q_EMIT answered(QString::fromLatin1(kCancelMarker));
    }
    QDialog::closeEvent(event);
}

void frmPassword::answer(const QString& password)
{
    if (m_answered)
        return;
    m_answered = true;
    Q_EMIT answered(password);
    close();
}
