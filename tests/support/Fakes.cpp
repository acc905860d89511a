#include "Fakes.h"

#include <algorithm>
#include <utility>

#include <QPrinter>
#include <QTimer>

using namespace Qt::StringLiterals;

#include "FakePop3Client.h"
#include "platform/qt/PrintQt.h"

bool FakeDialogs::print(const PrintRequest& request)
{
    const bool offerSelection = !request.selection.isEmpty();
    printRequests << offerSelection;
    if (printToPdf.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    printPlainText(printer, offerSelection ? request.selection : request.text, request.font);
    return true;
}

MessageAnswer FakeDialogs::message(const MessageRequest& request)
{
    messages << request;
    if (whileOpen)
        std::exchange(whileOpen, nullptr)();
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (request.buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::RetryCancel:
        return MessageAnswer::Retry;
    default:
        return MessageAnswer::Ok;
    }
}

std::unique_ptr<Pop3Client> FakePop3Factory::create()
{
    auto client = std::make_unique<FakePop3Client>();
    client->openLog = &opens;
    if (script)
        script(*client);
    made << client.get();
    return client;
}

FakePop3Client* FakePop3Factory::last() const
{
    return made.isEmpty() ? nullptr : qobject_cast<FakePop3Client*>(made.constLast().data());
}

void FakeKeyring::read(const QString& key, Callback done)
{
    answerLater(std::move(done), [this, key] {
        return passwords.contains(key) ? KeyringAnswer{KeyringAnswer::Ok, passwords.value(key), {}}
                                       : KeyringAnswer{KeyringAnswer::NotFound, {}, {}};
    });
}

void FakeKeyring::write(const QString& key, const QString& password, Callback done)
{
    answerLater(std::move(done), [this, key, password] {
        passwords.insert(key, password);
        return KeyringAnswer{KeyringAnswer::Ok, {}, {}};
    });
}

void FakeKeyring::remove(const QString& key, Callback done)
{
    answerLater(std::move(done), [this, key] {
        passwords.remove(key);
        return KeyringAnswer{KeyringAnswer::Ok, {}, {}};
    });
}

void FakeKeyring::checkAvailable(Callback done)
{
    answerLater(std::move(done), [] { return KeyringAnswer{KeyringAnswer::Ok, {}, u"GNOME Keyring"_s}; });
}

void FakeKeyring::answerLater(Callback done, std::function<KeyringAnswer()> result)
{
    QTimer::singleShot(delayMs, &m_context, [this, done = std::move(done), result = std::move(result)] {
        if (!available)
            done({KeyringAnswer::Unavailable, {}, u"No keyring is running on this desktop."_s});
        else if (refuse)
            done({KeyringAnswer::Refused, {}, u"The keyring is locked."_s});
        else
            done(result());
    });
}

void FakeOnlineAccounts::list(Callback done)
{
    requests << u"list"_s;
    QTimer::singleShot(0, &m_context, [this, done] {
        done(available ? OnlineAccountsAnswer{OnlineAccountsAnswer::Ok, accounts, {}, {}} : OnlineAccountsAnswer{});
    });
}

void FakeOnlineAccounts::accessToken(const QString& providerType, const QString& identity, bool renew, Callback done)
{
    requests << (renew ? u"renew "_s : u"token "_s) + identity;
    QTimer::singleShot(0, &m_context, [this, providerType, identity, done] {
        const bool known = std::ranges::any_of(accounts, [&](const OnlineAccount& account) {
            return account.providerType == providerType && account.identity == identity;
        });
        const QString token = tokens.isEmpty() ? QString() : tokens.takeFirst();
        if (!available)
            done({});
        else if (!known)
            done({OnlineAccountsAnswer::NotFound, {}, {}, {}});
        else if (token.isEmpty())
            done({OnlineAccountsAnswer::Refused, {}, {}, u"The account needs attention."_s});
        else
            done({OnlineAccountsAnswer::Ok, {}, token, {}});
    });
}
