// Feeds arbitrary bytes from a server to the POP3 reply reader and decodes each header it keeps. The first byte
// picks the replies expected, the second where the stream is cut into two reads. The same bytes are also decoded
// as one header value and made safe to show, which must keep its length and leave no line break or
// right-to-left override.
#include <cstddef>
#include <cstdint>

#include "platform/Pop3Protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    Pop3ReplyReader reader;
    for (int i = 0; i < 8; ++i)
        reader.expect(
            static_cast<Pop3ReplyReader::Kind>(((data[0] >> i) & 1) + (i % 3 == 2 ? 1 : 0) + (i == 7 ? 2 : 0)));
    const QByteArrayView stream(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
    const qsizetype cut = stream.isEmpty() ? 0 : data[1] % (stream.size() + 1);
    QList<Pop3ReplyReader::Reply> replies;
    if (reader.feed(stream.first(cut), replies))
        reader.feed(stream.sliced(cut), replies);
    for (const auto& reply : replies) {
        if (reply.header.size() > Pop3Client::kMaxHeaderBytes || reply.lines.size() > Pop3ReplyReader::kMaxListLines)
            __builtin_trap();
        Pop3Protocol::parseHeaders(reply.header);
        Pop3Protocol::parseStatCount(reply.text);
    }
    Pop3Protocol::parseServer(QString::fromUtf8(stream.first(qMin<qsizetype>(stream.size(), 300))));
    const QString decoded = Pop3Protocol::decodeHeaderText(stream);
    for (const QString& text : {decoded, QString::fromUtf8(stream)}) {
        const QString shown = Pop3Protocol::displayText(text);
        if (shown.size() != text.size() || shown.contains(u'\n') || shown.contains(QChar(0x202e)))
            __builtin_trap();
    }
    return 0;
}
