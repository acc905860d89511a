#pragma once

#include <optional>

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include "platform/Pop3Client.h"

/// The parts of POP3 that need no socket: the server field, replies as they come off the wire, and the header
/// fields of a message. Everything here takes outside input and is fuzzed.
namespace Pop3Protocol
{
constexpr quint16 kDefaultPort = 110;
constexpr quint16 kImplicitTlsPort = 995;

struct ServerAddress
{
    QString host;
    quint16 port = kDefaultPort;
    bool portGiven = false; // the field named a port, even the default one
};

/// "host", "host:port", "[ipv6]:port" or a bare IPv6 address; empty when the field names no usable server.
std::optional<ServerAddress> parseServer(const QString& server);

/// A user name or password may go on a command line only without CR, LF and NUL, which would end the command.
bool isSafeArgument(const QString& text);

/// The message count of a STAT reply's text ("3 1234"); empty when it is not a number from 0 to 2^31 - 1.
std::optional<int> parseStatCount(QByteArrayView text);

/// A header field's value is read up to this many bytes; the rest is dropped before decoding.
constexpr qsizetype kMaxRawFieldBytes = 16 * 1024;
/// A decoded field keeps this many UTF-16 code units at most, followed by "…" when it was cut.
constexpr qsizetype kMaxDisplayChars = 1024;

/// From, Subject and Date of a message header (its lines joined by CR LF): folded lines unfolded, encoded words
/// decoded, the text made safe to show (`displayText`) and cut to a display length (the constants above). The
/// Date is otherwise as sent: UTF-8, or Latin-1 when it is not valid UTF-8. The first occurrence of a field
/// counts. Time and memory are linear in the header's size.
Pop3Headers parseHeaders(QByteArrayView header);

/// A header field's value as text: RFC 2047 encoded words (B and Q) decoded in their charset, adjacent ones in
/// the same charset joined as bytes before decoding, other bytes read as UTF-8. Bytes that do not decode in a
/// known charset become U+FFFD; the bytes of an unknown charset are shown as Latin-1. Linear in the value's size.
QString decodeHeaderText(QByteArrayView value);

/// Text from outside made safe to show as plain text: bidirectional controls, which could reorder what is shown
/// ("gnp.exe" read as "exe.png"), become U+FFFD; C0 controls (tab, CR and LF too), DEL and C1 controls become a
/// space. Every character maps to one, so lengths and positions stay.
QString displayText(const QString& text);
} // namespace Pop3Protocol

/// Splits the byte stream from a server into replies, in the order of the commands sent. The caller says what
/// each command's reply looks like with `expect()`; the reader keeps at most one line and one header in memory.
class Pop3ReplyReader
{
public:
    enum class Kind
    {
        Status,  // one line: greeting, USER, PASS, STAT, STLS, QUIT
        Lines,   // status line and, after +OK, lines up to "." (CAPA)
        Message, // status line and, after +OK, a message up to "." of which only the header is kept (TOP, RETR)
        Auth,    // one line: a status line, or the server's challenge "+ <base64>" to an AUTH command (RFC 5034)
    };

    struct Reply
    {
        Kind kind = Kind::Status;
        bool ok = false;
        bool challenge = false; // "+ ..." to AUTH: the server waits for the client's next line
        QByteArray text;        // the status line after "+OK", "-ERR" or "+", trimmed
        QList<QByteArray> lines;
        /// The header lines of the first From, Subject and Date fields, each ended by CR LF and each field kept up
        /// to a little more than `Pop3Protocol::kMaxRawFieldBytes`: the rest of a header is counted, not kept.
        QByteArray header;
        bool tooLong = false; // a line or the header went past the limits; what was kept is incomplete
    };

    enum class Fault
    {
        None,
        TooLong,  // a status line or a whole reply went past any sensible size
        Protocol, // a status line that is neither +OK nor -ERR, or data nobody asked for
    };

    /// How many bytes of one reply are read at most, kept or not, before the stream is given up. The body of a
    /// message after its header does not count: it is discarded as it comes, and the caller's time limit ends a
    /// body that never ends.
    static constexpr qsizetype kMaxReplyBytes = 64 * 1024 * 1024;
    static constexpr qsizetype kMaxListLines = 1000;

    void expect(Kind kind) { m_expected.append(kind); }
    qsizetype awaiting() const { return m_expected.size(); }
    /// Appends each reply completed by `bytes` to `out`; false once the stream can no longer be followed.
    bool feed(QByteArrayView bytes, QList<Reply>& out);
    Fault fault() const { return m_fault; }
    /// True while bytes of an unfinished line are held or skipped: data sent ahead of what was asked for.
    bool hasPartialLine() const { return !m_line.isEmpty() || m_lineOverlong; }

private:
    void takeLine(QByteArrayView line, bool overlong, QList<Reply>& out);
    void finish(QList<Reply>& out);
    void keepHeaderLine(QByteArrayView line);

    QList<Kind> m_expected;
    QByteArray m_line;
    bool m_lineOverlong = false;
    bool m_inBody = false;
    bool m_inHeader = false;
    qsizetype m_headerBytes = 0; // of the header so far, kept or not
    int m_keptField = -1;        // which of From, Subject and Date the current field is, while it is kept
    qsizetype m_keptFieldBytes = 0;
    unsigned m_fieldsSeen = 0; // a bit for each of From, Subject and Date met already
    qsizetype m_replyBytes = 0;
    Reply m_reply;
    Fault m_fault = Fault::None;
};
