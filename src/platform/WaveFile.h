#pragma once

#include <optional>

#include <QtGlobal>

class QIODevice;

/// Where the samples of a RIFF/WAVE file lie and how they are stored: PCM of 8 (unsigned), 16, 24 or 32 bits,
/// IEEE float of 32 or 64 bits, in a plain or an extensible format chunk, any number of channels.
struct WaveFormat
{
    enum class Sample
    {
        UInt8,
        Int16,
        Int24,
        Int32,
        Float32,
        Float64
    };

    Sample sample = Sample::Int16;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;    // bytes of one frame in the file
    qint64 dataOffset = 0; // from the start of the file
    qint64 dataBytes = 0;  // whole frames present in the file, however many the header promises

    qint64 frames() const { return dataBytes / blockAlign; }
    qint64 durationMs() const { return frames() * 1000 / sampleRate; }
};

/// Reading wave files and turning their frames into the one layout a sound device is given.
namespace WaveFile
{
/// The format of the wave at the device's start; nothing for a file that is not a wave this player can convert.
std::optional<WaveFormat> read(QIODevice& device);

/// What the converter writes: interleaved native-endian samples, 16-bit signed or 32-bit float in [-1, 1].
enum class Output
{
    Int16,
    Float32
};
int bytesPerSample(Output output);

/// Converts `frames` frames laid out as `format` says into `channels` channels of `output`. Fewer channels
/// average the file's channels that fall on each (left takes the even ones, right the odd ones); more channels
/// repeat the file's.
void convert(const WaveFormat& format, const char* in, qint64 frames, Output output, int channels, char* out);
} // namespace WaveFile
