#include "platform/WaveFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

namespace
{
constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatFloat = 3;
constexpr quint16 kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 64;
constexpr int kMaxSampleRate = 768000;

quint16 le16(const char* at)
{
    return qFromLittleEndian<quint16>(at);
}

quint32 le32(const char* at)
{
    return qFromLittleEndian<quint32>(at);
}

// The sample type a format chunk describes; the extensible chunk names PCM or float in its sub-format.
std::optional<WaveFormat> formatOf(const QByteArray& chunk)
{
    if (chunk.size() < 16)
        return std::nullopt;
    const char* at = chunk.constData();
    quint16 tag = le16(at);
    if (tag == kFormatExtensible && chunk.size() >= 26)
        tag = le16(at + 24);
    WaveFormat format;
    format.channels = le16(at + 2);
    format.sampleRate = static_cast<int>(std::min<quint32>(le32(at + 4), kMaxSampleRate + 1));
    format.blockAlign = le16(at + 12);
    const int bits = le16(at + 14);
    if (format.channels < 1 || format.channels > kMaxChannels || format.sampleRate < 1 ||
        format.sampleRate > kMaxSampleRate)
        return std::nullopt;
    // Samples narrower than their container (12 bits in 16, 20 in 24) sit in its high bits, so the container
    // alone decides the conversion.
    const int container = (bits + 7) / 8;
    if (format.blockAlign != container * format.channels)
        return std::nullopt;
    if (tag == kFormatPcm && container >= 1 && container <= 4) {
        constexpr std::array pcm{
            WaveFormat::Sample::UInt8, WaveFormat::Sample::Int16, WaveFormat::Sample::Int24, WaveFormat::Sample::Int32};
        format.sample = pcm[container - 1];
    } else if (tag == kFormatFloat && (bits == 32 || bits == 64)) {
        format.sample = bits == 32 ? WaveFormat::Sample::Float32 : WaveFormat::Sample::Float64;
    } else {
        return std::nullopt;
    }
    return format;
}

float sampleAt(WaveFormat::Sample sample, const uchar* at)
{
    switch (sample) {
    case WaveFormat::Sample::UInt8:
        return static_cast<float>(at[0] - 128) / 128.0f;
    case WaveFormat::Sample::Int16:
        return static_cast<float>(qFromLittleEndian<qint16>(at)) / 32768.0f;
    case WaveFormat::Sample::Int24: {
        // The three bytes go to the top of an int so that the shift back carries the sign.
        const quint32 raw = quint32(at[0]) << 8 | quint32(at[1]) << 16 | quint32(at[2]) << 24;
        return static_cast<float>(static_cast<qint32>(raw) >> 8) / 8388608.0f;
    }
    case WaveFormat::Sample::Int32:
        return static_cast<float>(qFromLittleEndian<qint32>(at)) / 2147483648.0f;
    case WaveFormat::Sample::Float32:
    case WaveFormat::Sample::Float64: {
        const double value =
            sample == WaveFormat::Sample::Float32 ? qFromLittleEndian<float>(at) : qFromLittleEndian<double>(at);
        // Out-of-range and non-finite floats would reach the speaker as clicks or noise.
        return std::isfinite(value) ? static_cast<float>(std::clamp(value, -1.0, 1.0)) : 0.0f;
    }
    }
    return 0.0f;
}

int bytesOf(WaveFormat::Sample sample)
{
    constexpr std::array bytes{1, 2, 3, 4, 4, 8};
    return bytes[static_cast<size_t>(sample)];
}
} // namespace

std::optional<WaveFormat> WaveFile::read(QIODevice& device)
{
    if (!device.seek(0))
        return std::nullopt;
    const QByteArray riff = device.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    const qint64 end = device.size();
    std::optional<WaveFormat> format;
    qint64 dataOffset = -1;
    qint64 dataBytes = 0;
    qint64 at = 12;
    while (at + 8 <= end && (!format || dataOffset < 0)) {
        if (!device.seek(at))
            return std::nullopt;
        const QByteArray header = device.read(8);
        if (header.size() < 8)
            break;
        const quint32 size = le32(header.constData() + 4);
        const qint64 body = at + 8;
        if (header.startsWith("fmt ")) {
            // The extensible chunk's 40 bytes hold all this reader needs; anything after them is not read.
            format = formatOf(device.read(std::min<qint64>(size, 40)));
            if (!format)
                return std::nullopt;
        } else if (header.startsWith("data") && dataOffset < 0) {
            // A header that promises more than the file holds (a copy cut short, a stream never finished)
            // plays what is there.
            dataOffset = body;
            dataBytes = std::min<qint64>(size, end - body);
        }
        // Chunks are padded to an even size.
        at = body + size + (size & 1U);
    }
    if (!format || dataOffset < 0)
        return std::nullopt;
    format->dataOffset = dataOffset;
    format->dataBytes = dataBytes - dataBytes % format->blockAlign;
    return format;
}

int WaveFile::bytesPerSample(Output output)
{
    return output == Output::Int16 ? 2 : 4;
}

void WaveFile::convert(const WaveFormat& format, const char* in, qint64 frames, Output output, int channels, char* out)
{
    const int sampleBytes = bytesOf(format.sample);
    std::array<float, kMaxChannels> mixed{};
    std::array<int, kMaxChannels> count{};
    const auto* from = reinterpret_cast<const uchar*>(in);
    for (qint64 frame = 0; frame < frames; ++frame) {
        std::fill_n(mixed.begin(), channels, 0.0f);
        std::fill_n(count.begin(), channels, 0);
        for (int c = 0; c < std::max(channels, format.channels); ++c) {
            const int source = c % format.channels;
            mixed[c % channels] += sampleAt(format.sample, from + source * sampleBytes);
            ++count[c % channels];
        }
        from += format.blockAlign;
        for (int c = 0; c < channels; ++c) {
            const float value = mixed[c] / static_cast<float>(count[c]);
            if (output == Output::Float32) {
                std::memcpy(out, &value, sizeof value);
                out += sizeof value;
            } else {
                const auto sample = static_cast<qint16>(std::clamp(std::lround(value * 32768.0f), -32768L, 32767L));
                std::memcpy(out, &sample, sizeof sample);
                out += sizeof sample;
            }
        }
    }
}
