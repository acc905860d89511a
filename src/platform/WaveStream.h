#pragma once

#include <optional>

#include <QByteArray>
#include <QFile>
#include <QIODevice>

#include "platform/WaveFile.h"

/// A wave file read as a stream of converted samples, a piece at a time, so that a sound device can pull a file
/// of any length from it with little memory.
class WaveStream final : public QIODevice
{
public:
    explicit WaveStream(const QString& path);

    /// The file's format, or nothing when the file cannot be read or is not a wave this player converts.
    const std::optional<WaveFormat>& format() const { return m_format; }
    /// Opens the stream for reading with the given output layout; false without a format.
    bool start(WaveFile::Output output, int channels);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QFile m_file;
    std::optional<WaveFormat> m_format;
    WaveFile::Output m_output = WaveFile::Output::Int16;
    int m_channels = 0;
    qint64 m_framesLeft = 0;
    QByteArray m_raw;
};
