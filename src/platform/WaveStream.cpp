#include "platform/WaveStream.h"

#include <algorithm>

namespace
{
// The most frames converted per read: bounds the memory a long file takes.
constexpr qint64 kChunkFrames = 4096;
} // namespace

WaveStream::WaveStream(const QString& path)
    : m_file(path)
{
    // Unbuffered: the header reads would otherwise leave a read-ahead that outlives a file cut short.
    if (m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        m_format = WaveFile::read(m_file);
}

bool WaveStream::start(WaveFile::Output output, int channels)
{
    if (!m_format || channels < 1 || !m_file.seek(m_format->dataOffset))
        return false;
    m_output = output;
    m_channels = channels;
    m_framesLeft = m_format->frames();
    return open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 WaveStream::bytesAvailable() const
{
    return m_framesLeft * m_channels * WaveFile::bytesPerSample(m_output) + QIODevice::bytesAvailable();
}

qint64 WaveStream::readData(char* data, qint64 maxSize)
{
    const qint64 outFrameBytes = m_channels * WaveFile::bytesPerSample(m_output);
    const qint64 frames = std::min({maxSize / outFrameBytes, m_framesLeft, kChunkFrames});
    if (frames <= 0)
        return 0;
    m_raw.resize(frames * m_format->blockAlign);
    const qint64 got = m_file.read(m_raw.data(), m_raw.size());
    // A file cut short while it plays ends the sound where its data ends.
    const qint64 whole = std::max<qint64>(got, 0) / m_format->blockAlign;
    m_framesLeft = whole < frames ? 0 : m_framesLeft - whole;
    WaveFile::convert(*m_format, m_raw.constData(), whole, m_output, m_channels, data);
    return whole * outFrameBytes;
}

qint64 WaveStream::writeData(const char*, qint64)
{
    return -1;
}
