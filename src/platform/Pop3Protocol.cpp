#include "platform/Pop3Protocol.h"

#include <cerrno>
#include <limits>
#include <utility>
#include <vector>

#include <QStringDecoder>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define HAVE_ICONV 1
#else
#define HAVE_ICONV 0
#endif

namespace
{
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
} // namespace

namespace Pop3Protocol
{
namespace
{

std::optional<quint16> parsePort(QStringView text)
{
    bool ok = false;
    const uint port = text.toUInt(&ok, 10);
    if (!ok || port == 0 || port > std::numeric_limits<quint16>::max())
        return std::nullopt;
    return static_cast<quint16>(port);
}

/// The charset of an encoded word as it is compared and looked up: without an RFC 2231 language ("UTF-8*en"), in
/// lower case.
QByteArray charsetKey(QByteArrayView charset)
{
    const qsizetype star = charset.indexOf('*');
    return (star < 0 ? charset : charset.first(star)).toByteArray().toLower();
}

#if HAVE_ICONV
/// MIME names in common use that glibc's iconv knows under another name.
const char* iconvName(const QByteArray& key)
{
    static const std::pair<const char*, const char*> aliases[] = {
        {"mac-iceland", "MAC-IS"},
        {"x-mac-iceland", "MAC-IS"},
        {"x-mac-roman", "MACINTOSH"},
        {"mac-roman", "MACINTOSH"},
        {"x-mac-cyrillic", "MAC-CYRILLIC"},
        {"x-mac-ce", "MAC-CENTRALEUROPE"},
        {"x-mac-centraleurope", "MAC-CENTRALEUROPE"},
        {"x-mac-ukrainian", "MACUKRAINIAN"},
        {"ks_c_5601-1987", "CP949"},
        {"ks_c_5601", "CP949"},
        {"x-sjis", "SHIFT_JIS"},
        {"x-euc-jp", "EUC-JP"},
        {"x-gbk", "GBK"},
        {"gb_2312-80", "GB2312"},
        {"x-big5", "BIG5"},
        {"unicode-1-1-utf-7", "UTF-7"},
        {"iso-8859-6-i", "ISO-8859-6"},
        {"iso-8859-6-e", "ISO-8859-6"},
        {"iso-8859-8-i", "ISO-8859-8"},
        {"iso-8859-8-e", "ISO-8859-8"},
    };
    for (const auto& [mime, glibc] : aliases) {
        if (key == mime)
            return glibc;
    }
    return key.constData();
}
#endif

/// Decodes the bytes of encoded words in the charsets they name. Qt decodes the Unicode charsets and Latin-1;
/// every other charset goes through iconv, whose descriptors stay open for the rest of one value, so that a
/// value alternating between charsets opens each only once.
class CharsetDecoder
{
public:
    CharsetDecoder() = default;
    CharsetDecoder(const CharsetDecoder&) = delete;
    CharsetDecoder& operator=(const CharsetDecoder&) = delete;
    ~CharsetDecoder()
    {
#if HAVE_ICONV
        for (const auto& entry : m_open) {
            if (entry.descriptor != kNoDescriptor)
                iconv_close(entry.descriptor);
        }
#endif
    }

    /// `key` as made by charsetKey().
    QString decode(const QByteArray& key, QByteArrayView bytes)
    {
        const auto builtIn = QStringConverter::encodingForName(key.constData());
        if (builtIn && *builtIn != QStringConverter::System)
            return QStringDecoder(*builtIn, QStringDecoder::Flag::Stateless).decode(bytes);
#if HAVE_ICONV
        const iconv_t descriptor = descriptorFor(key);
        if (descriptor != kNoDescriptor)
            return decodeWith(descriptor, bytes);
#else
        QStringDecoder decoder(key.constData(), QStringDecoder::Flag::Stateless);
        if (decoder.isValid())
            return decoder.decode(bytes);
#endif
        // An unknown charset: the bytes as they are, one character each.
        return QString::fromLatin1(bytes);
    }

private:
#if HAVE_ICONV
    static inline const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);
    // More charsets than this in one value are unusual; past it the oldest descriptor is closed, so that a value
    // naming thousands of charsets holds only a few open.
    static constexpr std::size_t kMaxOpen = 16;

    struct Entry
    {
        QByteArray key;
        iconv_t descriptor;
    };

    static bool isCharsetName(const QByteArray& key)
    {
        // A MIME charset name is a short token; anything else (iconv's "//" suffixes, lists) is not looked up.
        if (key.isEmpty() || key.size() > 40)
            return false;
        for (char c : key) {
            const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
            if (!letterOrDigit && c != '-' && c != '_' && c != '.' && c != ':' && c != '+')
                return false;
        }
        return true;
    }

    iconv_t descriptorFor(const QByteArray& key)
    {
        for (const auto& entry : m_open) {
            if (entry.key == key)
                return entry.descriptor;
        }
        const char* target = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "UTF-16LE" : "UTF-16BE";
        const iconv_t descriptor = isCharsetName(key) ? iconv_open(target, iconvName(key)) : kNoDescriptor;
        if (m_open.size() == kMaxOpen) {
            if (m_open.front().descriptor != kNoDescriptor)
                iconv_close(m_open.front().descriptor);
            m_open.erase(m_open.begin());
        }
        m_open.push_back({key, descriptor});
        return descriptor;
    }

    /// Converts to UTF-16; a sequence that is invalid or cut short becomes U+FFFD and conversion goes on with
    /// the next byte, so every call consumes input and the whole costs time linear in the bytes.
    static QString decodeWith(iconv_t descriptor, QByteArrayView bytes)
    {
        iconv(descriptor, nullptr, nullptr, nullptr, nullptr); // back to the initial shift state
        QString text(bytes.size() + 8, Qt::Uninitialized);
        qsizetype used = 0;
        char* in = const_cast<char*>(bytes.data()); // iconv does not write to its input
        std::size_t inLeft = static_cast<std::size_t>(bytes.size());
        while (inLeft > 0) {
            char* out = reinterpret_cast<char*>(text.data() + used);
            std::size_t outLeft = static_cast<std::size_t>(text.size() - used) * sizeof(char16_t);
            const std::size_t result = iconv(descriptor, &in, &inLeft, &out, &outLeft);
            const int error = errno;
            used = (out - reinterpret_cast<char*>(text.data())) / qsizetype(sizeof(char16_t));
            if (result != static_cast<std::size_t>(-1))
                break;
            if (error == E2BIG || used == text.size())
                text.resize(text.size() * 2);
            if (error == E2BIG)
                continue;
            text[used++] = QChar::ReplacementCharacter;
            if (error == EINVAL || inLeft == 0)
                break; // a sequence cut short by the end of the bytes
            ++in;
            --inLeft;
        }
        text.truncate(used);
        return text;
    }

    std::vector<Entry> m_open;
#endif
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray decodeQ(QByteArrayView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '_') {
            bytes += ' ';
        } else if (c == '=' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            bytes += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            bytes += c;
        }
    }
    return bytes;
}

struct EncodedWord
{
    qsizetype end = 0; // one past the closing "?="
    QByteArray charset;
    QByteArray bytes;
};

/// The position of the '?' that ends a charset or an encoded text starting at `from`; -1 when white space or the
/// end of the value comes first, as neither may hold a '?' or white space.
qsizetype partEnd(QByteArrayView value, qsizetype from)
{
    for (qsizetype i = from; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '?')
            return i;
        if (isBlank(c) || c == '\r' || c == '\n')
            return -1;
    }
    return -1;
}

/// The encoded word "=?charset?B|Q?text?=" starting at `at`, if there is a well-formed one. Each part ends at its
/// first '?', so an attempt reads no byte past the third '?' after `at`; as every "=?" holds a '?', each byte of a
/// value is read by a few attempts at most and scanning the value stays linear in its size.
std::optional<EncodedWord> encodedWordAt(QByteArrayView value, qsizetype at)
{
    if (at + 1 >= value.size() || value[at] != '=' || value[at + 1] != '?')
        return std::nullopt;
    const qsizetype charsetStart = at + 2;
    const qsizetype charsetEnd = partEnd(value, charsetStart);
    if (charsetEnd <= charsetStart || charsetEnd + 2 >= value.size() || value[charsetEnd + 2] != '?')
        return std::nullopt;
    const char encoding = value[charsetEnd + 1];
    const qsizetype textStart = charsetEnd + 3;
    const qsizetype textEnd = partEnd(value, textStart);
    if (textEnd < 0 || textEnd + 1 >= value.size() || value[textEnd + 1] != '=')
        return std::nullopt;
    const QByteArrayView text = value.sliced(textStart, textEnd - textStart);
    EncodedWord word;
    word.end = textEnd + 2;
    word.charset = charsetKey(value.sliced(charsetStart, charsetEnd - charsetStart));
    if (encoding == 'B' || encoding == 'b')
        word.bytes = QByteArray::fromBase64(text.toByteArray());
    else if (encoding == 'Q' || encoding == 'q')
        word.bytes = decodeQ(text);
    else
        return std::nullopt;
    return word;
}
/// Decoded text as the mail list shows it: made safe, cut to kMaxDisplayChars (never between the halves of a
/// surrogate pair) and marked with "…" when anything was cut.
QString shownAs(const QString& decoded, bool cut)
{
    QString text = displayText(decoded);
    if (text.size() > kMaxDisplayChars) {
        const qsizetype keep =
            text.at(kMaxDisplayChars - 1).isHighSurrogate() ? kMaxDisplayChars - 1 : kMaxDisplayChars;
        text.truncate(keep);
        cut = true;
    }
    if (cut)
        text += u'\u2026';
    return text;
}
} // namespace

std::optional<ServerAddress> parseServer(const QString& server)
{
    const QString field = server.trimmed();
    ServerAddress address;
    if (field.startsWith(u'[')) {
        const qsizetype close = field.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        address.host = field.mid(1, close - 1);
        const QStringView rest = QStringView(field).sliced(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(u':'))
                return std::nullopt;
            const auto port = parsePort(rest.sliced(1));
            if (!port)
                return std::nullopt;
            address.port = *port;
            address.portGiven = true;
        }
    } else if (field.count(u':') == 1) {
        const qsizetype colon = field.indexOf(u':');
        address.host = field.left(colon);
        const auto port = parsePort(QStringView(field).sliced(colon + 1));
        if (!port)
            return std::nullopt;
        address.port = *port;
        address.portGiven = true;
    } else {
        address.host = field; // a bare name, or an IPv6 address without a port
    }
    for (QChar c : std::as_const(address.host)) {
        if (c.isSpace() || c == u'/' || c == u'@')
            return std::nullopt;
    }
    if (address.host.isEmpty())
        return std::nullopt;
    return address;
}

bool isSafeArgument(const QString& text)
{
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return false;
    }
    return true;
}

std::optional<int> parseStatCount(QByteArrayView text)
{
    const QByteArrayView trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() && trimmed[end] >= '0' && trimmed[end] <= '9')
        ++end;
    if (end == 0 || end > 10 || (end < trimmed.size() && !isBlank(trimmed[end])))
        return std::nullopt;
    const qint64 count = trimmed.first(end).toLongLong();
    if (count > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(count);
}

Pop3Headers parseHeaders(QByteArrayView header)
{
    Pop3Headers headers;
    bool haveFrom = false, haveSubject = false, haveDate = false;
    QByteArray field; // one unfolded field, name and value
    auto take = [&] {
        const qsizetype colon = field.indexOf(':');
        if (colon <= 0)
            return;
        const QByteArray name = field.first(colon).trimmed().toLower();
        QByteArrayView value = QByteArrayView(field).sliced(colon + 1).trimmed();
        const bool rawCut = value.size() > kMaxRawFieldBytes;
        value = value.first(qMin(value.size(), kMaxRawFieldBytes));
        if (name == "from" && !haveFrom) {
            headers.from = shownAs(decodeHeaderText(value), rawCut);
            haveFrom = true;
        } else if (name == "subject" && !haveSubject) {
            headers.subject = shownAs(decodeHeaderText(value), rawCut);
            haveSubject = true;
        } else if (name == "date" && !haveDate) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            QString date = utf8.decode(value);
            if (utf8.hasError())
                date = QString::fromLatin1(value);
            headers.date = shownAs(date, rawCut);
            haveDate = true;
        }
    };
    qsizetype start = 0;
    while (start < header.size()) {
        qsizetype end = header.indexOf('\n', start);
        if (end < 0)
            end = header.size();
        QByteArrayView line = header.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        start = end + 1;
        if (line.isEmpty())
            break; // the end of the header
        if (isBlank(line.front())) {
            // Unfolding removes the line break and keeps the white space. Past the length that is shown the rest
            // is dropped, so a field folded over a megabyte is not copied whole; it still reads as cut.
            if (field.size() <= kMaxRawFieldBytes + 1024)
                field += line;
        } else {
            take();
            field = line.toByteArray();
        }
    }
    take();
    return headers;
}

QString decodeHeaderText(QByteArrayView value)
{
    CharsetDecoder decoder;
    QString text;
    text.reserve(value.size());         // as a rule no more characters than bytes
    QByteArray pendingCharset, pending; // decoded bytes of adjacent encoded words in one charset
    qsizetype plainStart = 0;           // the bytes from here to the next encoded word are read as UTF-8
    bool afterWord = false;             // nothing but white space since the last encoded word
    auto flushPending = [&] {
        if (!pending.isEmpty() || !pendingCharset.isEmpty())
            text += decoder.decode(pendingCharset, pending);
        pending.clear();
        pendingCharset.clear();
    };
    qsizetype i = 0;
    while (i < value.size()) {
        if (value[i] == '=') {
            if (const auto word = encodedWordAt(value, i)) {
                // White space between two encoded words is dropped; any other text before a word is shown.
                if (!afterWord)
                    text += QString::fromUtf8(value.sliced(plainStart, i - plainStart));
                if (word->charset != pendingCharset)
                    flushPending();
                pendingCharset = word->charset;
                pending += word->bytes;
                i = plainStart = word->end;
                afterWord = true;
                continue;
            }
        }
        if (afterWord) {
            if (isBlank(value[i])) {
                ++i;
                continue;
            }
            flushPending();
            afterWord = false;
        }
        // Plain text up to the next '=' that might start an encoded word.
        const qsizetype next = value.indexOf('=', i + 1);
        i = next < 0 ? value.size() : next;
    }
    flushPending();
    text += QString::fromUtf8(value.sliced(plainStart)); // white space after the last word stays
    return text;
}

QString displayText(const QString& text)
{
    QString shown = text;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const char16_t c = shown.at(i).unicode();
        if (c < 0x20 || (c >= 0x7f && c <= 0x9f))
            shown[i] = u' ';
        else if ((c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069) || c == 0x200e || c == 0x200f ||
                 c == 0x061c)
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}
} // namespace Pop3Protocol

bool Pop3ReplyReader::feed(QByteArrayView bytes, QList<Reply>& out)
{
    while (!bytes.isEmpty() && m_fault == Fault::None) {
        const qsizetype newline = bytes.indexOf('\n');
        const QByteArrayView piece = newline < 0 ? bytes : bytes.first(newline);
        // A message's body after its header is only looked through for its end: RETR sends messages of any size.
        const bool discardedBody = m_inBody && m_reply.kind == Kind::Message && !m_inHeader;
        if (!discardedBody)
            m_replyBytes += piece.size() + (newline < 0 ? 0 : 1);
        if (m_replyBytes > kMaxReplyBytes) {
            m_fault = Fault::TooLong;
            break;
        }
        // A line past the limit is not kept: the rest of it is skipped up to its line end.
        if (!m_lineOverlong && m_line.size() + piece.size() > Pop3Client::kMaxLineBytes) {
            m_lineOverlong = true;
            m_line.clear();
            m_line.squeeze();
        }
        if (!m_lineOverlong)
            m_line += piece;
        if (newline < 0)
            break;
        bytes = bytes.sliced(newline + 1);
        QByteArrayView line(m_line);
        if (line.endsWith('\r'))
            line.chop(1);
        takeLine(line, m_lineOverlong, out);
        m_line.clear();
        m_lineOverlong = false;
    }
    return m_fault == Fault::None;
}

void Pop3ReplyReader::takeLine(QByteArrayView line, bool overlong, QList<Reply>& out)
{
    if (!m_inBody) {
        if (m_expected.isEmpty()) {
            m_fault = Fault::Protocol;
            return;
        }
        if (overlong) {
            m_fault = Fault::TooLong;
            return;
        }
        m_reply = Reply();
        m_reply.kind = m_expected.front();
        if (line.startsWith("+OK") && (line.size() == 3 || isBlank(line[3]))) {
            m_reply.ok = true;
            m_reply.text = line.sliced(3).trimmed().toByteArray();
        } else if (line.startsWith("-ERR") && (line.size() == 4 || isBlank(line[4]))) {
            m_reply.text = line.sliced(4).trimmed().toByteArray();
        } else if (m_reply.kind == Kind::Auth && line.startsWith('+') && (line.size() == 1 || isBlank(line[1]))) {
            m_reply.challenge = true;
            m_reply.text = line.sliced(1).trimmed().toByteArray();
        } else {
            m_fault = Fault::Protocol;
            return;
        }
        if (m_reply.ok && (m_reply.kind == Kind::Lines || m_reply.kind == Kind::Message)) {
            m_inBody = true;
            m_inHeader = m_reply.kind == Kind::Message;
        } else {
            finish(out);
        }
        return;
    }
    if (!overlong && line == ".") {
        finish(out);
        return;
    }
    if (line.startsWith('.'))
        line = line.sliced(1);
    if (m_reply.kind == Kind::Lines) {
        if (overlong || m_reply.lines.size() >= kMaxListLines)
            m_reply.tooLong = true;
        else
            m_reply.lines.append(line.toByteArray());
    } else if (m_inHeader) {
        m_headerBytes += line.size() + 2;
        if (overlong || m_headerBytes > Pop3Client::kMaxHeaderBytes) {
            m_reply.tooLong = true;
            m_inHeader = false;
            m_reply.header.clear();
            m_reply.header.squeeze();
        } else if (line.isEmpty()) {
            m_inHeader = false;
        } else {
            keepHeaderLine(line);
        }
    }
}

void Pop3ReplyReader::keepHeaderLine(QByteArrayView line)
{
    // Only the three fields the list shows are kept, the first of each and no longer than can be shown: a header
    // of a megabyte costs the time to read it, not to copy it.
    static constexpr QByteArrayView kWanted[] = {"from", "subject", "date"};
    if (!isBlank(line.front())) {
        m_keptField = -1;
        const qsizetype colon = line.indexOf(':');
        const QByteArrayView name = colon > 0 ? line.first(colon).trimmed() : QByteArrayView();
        for (int field = 0; field < 3; ++field) {
            if (!(m_fieldsSeen & (1U << field)) && name.compare(kWanted[field], Qt::CaseInsensitive) == 0) {
                m_fieldsSeen |= 1U << field;
                m_keptField = field;
                m_keptFieldBytes = 0;
            }
        }
    }
    if (m_keptField < 0 || m_keptFieldBytes > Pop3Protocol::kMaxRawFieldBytes + 1024)
        return;
    m_keptFieldBytes += line.size();
    m_reply.header += line;
    m_reply.header += "\r\n";
}

void Pop3ReplyReader::finish(QList<Reply>& out)
{
    m_expected.removeFirst();
    out.append(std::move(m_reply));
    m_reply = Reply();
    m_inBody = false;
    m_inHeader = false;
    m_headerBytes = 0;
    m_keptField = -1;
    m_fieldsSeen = 0;
    m_replyBytes = 0;
}
