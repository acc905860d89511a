#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QtEndian>

/// The bytes of a small wave file: a format chunk (plain, or extensible naming `tag` as its sub-format), an
/// odd-sized LIST chunk with its pad byte, then `data` under a data chunk that claims `claimedBytes` (its own
/// size when negative).
inline QByteArray testWave(quint16 tag,
                           int channels,
                           int rate,
                           int bits,
                           const QByteArray& data,
                           bool extensible = false,
                           qint64 claimedBytes = -1)
{
    const auto le32 = [](qint64 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(quint32(value), bytes.data());
        return bytes;
    };
    QByteArray fmt;
    QDataStream out(&fmt, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int align = channels * ((bits + 7) / 8);
    out << quint16(extensible ? 0xFFFE : tag) << quint16(channels) << quint32(rate) << quint32(rate * align)
        << quint16(align) << quint16(bits);
    if (extensible) { // extension size, valid bits, channel mask, then the sub-format GUID
        out << quint16(22) << quint16(bits) << quint32(0) << tag;
        out.writeRawData("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14);
    }
    const QByteArray body = "WAVEfmt " + le32(fmt.size()) + fmt + "LIST" + le32(3) + QByteArray("abc\0", 4) + "data" +
                            le32(claimedBytes < 0 ? data.size() : claimedBytes) + data;
    return "RIFF" + le32(body.size()) + body;
}
