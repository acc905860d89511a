#include "platform/WaveInfo.h"

#include <QtEndian>

namespace
{
quint32 le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
} // namespace

std::optional<qint64> WaveInfo::durationMs(const QByteArray& header)
{
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return std::nullopt;
    quint32 byteRate = 0;
    qsizetype at = 12;
    while (at + 8 <= header.size()) {
        const QByteArray id = header.mid(at, 4);
        const quint32 size = le32(header, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= header.size())
            byteRate = le32(header, body + 8);
        if (id == "data") {
            if (byteRate == 0)
                return std::nullopt;
            return static_cast<qint64>(size) * 1000 / byteRate;
        }
        // Chunks are padded to an even size.
        const qint64 next = static_cast<qint64>(body) + size + (size & 1U);
        if (next > header.size())
            break;
        at = static_cast<qsizetype>(next);
    }
    return std::nullopt;
}
