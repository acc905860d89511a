#pragma once

#include <QByteArray>
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
    const auto le16 = [](int value) {
        QByteArray bytes(2, '\0');
        qToLittleEndian<quint16>(static_cast<quint16>(value), bytes.data());
        return bytes;
    };
    const auto le32 = [](qint64 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian<quint32>(static_cast<quint32>(value), bytes.data());
        return bytes;
    };
    const int blockAlign = channels * ((bits + 7) / 8);
    QByteArray fmt = le16(extensible ? 0xFFFE : tag) + le16(channels) + le32(rate) + le32(qint64(rate) * blockAlign) +
                     le16(blockAlign) + le16(bits);
    if (extensible) // size of the extension, valid bits, channel mask, sub-format GUID
        fmt += le16(22) + le16(bits) + le32(0) + le16(tag) + QByteArray::fromHex("000000001000800000aa00389b71");
    QByteArray body = "WAVEfmt " + le32(fmt.size()) + fmt + "LIST" + le32(3) + QByteArray("abc\0", 4) + "data" +
                      le32(claimedBytes < 0 ? data.size() : claimedBytes) + data;
    return "RIFF" + le32(body.size()) + body;
}
