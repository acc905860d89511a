#pragma once

#include <functional>
#include <optional>

#include <QList>

#include "platform/Pop3Client.h"

/// A mailbox answered from a script, through the event loop like the real client: each outcome is one signal in
/// a later turn of the loop, so a window under test sees its events run between messages.
///
///     FakePop3Client pop;
///     pop.messages = {FakePop3Client::message(u"a@b"_s, u"Hi"_s, u"Mon, 1 Jan 2024"_s)};
///     pop.messages << FakePop3Client::failure(Pop3Error::Server, u"locked"_s);
///     // or: pop.openError = Pop3Error::Server; pop.openErrorText = u"[AUTH] Authentication failed."_s;
///
/// `reportedCount` makes the server claim another count than it holds (numbers beyond `messages` fail as a
/// server would). A message failing with `ConnectionLost` ends the session there. With `paused` set the answers wait
/// until `setPaused(false)`, to act in the middle of a check.
class FakePop3Client final : public Pop3Client
{
    Q_OBJECT

public:
    struct Message
    {
        Pop3Headers headers;
        Pop3Error error = Pop3Error::None;
        QString errorText;
    };

    static Message message(const QString& from, const QString& subject, const QString& date)
    {
        return {{from, subject, date}, Pop3Error::None, {}};
    }
    static Message failure(Pop3Error error, const QString& text) { return {{}, error, text}; }

    // The script.
    QList<Message> messages;
    std::optional<int> reportedCount;
    Pop3Error openError = Pop3Error::None;
    QString openErrorText;
    std::optional<Pop3Certificate> openCertificate; // described with a certificate error
    bool paused = false;

    /// Where the opens are recorded, to outlive the client.
    QList<Pop3Account>* openLog = nullptr;

    using Pop3Client::Pop3Client;

    void open(const Pop3Account& account) override;
    int messageCount() const override;
    void retrieveHeaders(int first, int last) override;
    void close() override;
    void setPaused(bool pause) override
    {
        paused = pause;
        schedule();
    }

private:
    void schedule();

    QList<std::function<void()>> m_pending;
    bool m_scheduled = false;
    int m_session = 0;
};
