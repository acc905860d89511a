#include "FakePop3Client.h"

#include <QTimer>

void FakePop3Client::open(const Pop3Account& account)
{
    close(); // opening ends an earlier session
    if (openLog)
        *openLog << account;
    m_pending << [this] {
        setError(openError, openErrorText);
        setCertificate(openCertificate);
        if (openError != Pop3Error::None) {
            m_pending.clear();
            Q_EMIT failed(openError, openErrorText);
            return;
        }
        Q_EMIT opened(messageCount());
    };
    schedule();
}

int FakePop3Client::messageCount() const
{
    return reportedCount.value_or(int(messages.size()));
}

void FakePop3Client::retrieveHeaders(int first, int last)
{
    for (int number = first; number <= last; ++number) {
        m_pending << [this, number] {
            const Message m = messages.value(number - 1, failure(Pop3Error::Server, QStringLiteral("no such message")));
            setError(m.error, m.errorText);
            // A lost connection ends the session, as the real client reports it.
            if (m.error == Pop3Error::ConnectionLost) {
                m_pending.clear();
                Q_EMIT failed(m.error, m.errorText);
                return;
            }
            if (m.error == Pop3Error::None)
                Q_EMIT headersRetrieved(number, m.headers);
            else
                Q_EMIT messageFailed(number, m.error, m.errorText);
        };
    }
    m_pending << [this] {
        setError(Pop3Error::None, {});
        Q_EMIT retrieved();
    };
    schedule();
}

void FakePop3Client::close()
{
    ++m_session;
    m_pending.clear();
}

void FakePop3Client::schedule()
{
    if (m_scheduled || paused || m_pending.isEmpty())
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, [this, session = m_session] {
        m_scheduled = false;
        if (session == m_session && !paused && !m_pending.isEmpty())
            m_pending.takeFirst()();
        schedule();
    });
}
