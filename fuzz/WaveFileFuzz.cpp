// Feeds arbitrary bytes to the wave reader and converts whatever it accepts, as an alert sound would be played.
#include <cstddef>
#include <cstdint>
#include <vector>

#include <QBuffer>

#include "platform/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto format = WaveFile::read(buffer);
    if (!format)
        return 0;
    // The data must lie inside the input and hold whole frames.
    if (format->dataOffset + format->dataBytes > bytes.size() || format->dataBytes % format->blockAlign != 0)
        __builtin_trap();
    const char* in = bytes.constData() + format->dataOffset;
    for (const int channels : {1, 2, format->channels}) {
        std::vector<float> out(static_cast<size_t>(format->frames() * channels));
        auto* samples = reinterpret_cast<char*>(out.data());
        WaveFile::convert(*format, in, format->frames(), WaveFile::Output::Float32, channels, samples);
        for (const float value : out) {
            if (!(value >= -1.0f && value <= 1.0f))
                __builtin_trap();
        }
    }
    return 0;
}
