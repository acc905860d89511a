#include "platform/qt/SoundQt.h"

#include <algorithm>
#include <limits>
#include <optional>

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QScopedValueRollback>
#include <QTimer>

#include "platform/WaveStream.h"

namespace
{
// Time for the device to open and drain after the last sample: bounds the wait on a device that never plays.
constexpr qint64 kGraceMs = 1500;
// The sound server's buffer. With it the last sample reaches the speaker at most this long after the sound's
// own length from the start, so that is how long the wait goes on once the sink has taken it; left to the
// server, the buffer may hold two seconds.
constexpr qint64 kBufferMs = 200;

struct SinkLayout
{
    QAudioFormat format;
    WaveFile::Output output;
};

// Float keeps 24- and 32-bit files whole; 16-bit is what every device takes. The file's own rate and channels
// come first, then stereo and mono mixed from them.
std::optional<SinkLayout> layoutFor(const QAudioDevice& device, const WaveFormat& wave)
{
    for (const int channels : {wave.channels, 2, 1}) {
        for (const auto output : {WaveFile::Output::Float32, WaveFile::Output::Int16}) {
            QAudioFormat format;
            format.setSampleRate(wave.sampleRate);
            format.setChannelCount(channels);
            format.setSampleFormat(output == WaveFile::Output::Float32 ? QAudioFormat::Float : QAudioFormat::Int16);
            if (device.isFormatSupported(format))
                return SinkLayout{format, output};
        }
    }
    return std::nullopt;
}
} // namespace

void SoundQt::play(const QString& wavePath)
{
    // A handler run by the wait below may ask for another alert: the one playing stands for it.
    if (m_playing)
        return;
    const QScopedValueRollback playing(m_playing, true);

    WaveStream stream(wavePath);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const auto layout = stream.format() && !device.isNull() ? layoutFor(device, *stream.format()) : std::nullopt;
    if (!layout || !stream.start(layout->output, layout->format.channelCount())) {
        QApplication::beep();
        return;
    }

    const qint64 durationMs = stream.format()->durationMs();
    QAudioSink sink(device, layout->format);
    sink.setBufferSize(layout->format.bytesForDuration(kBufferMs * 1000));
    QEventLoop loop;
    QElapsedTimer clock;
    bool failed = false;
    bool draining = false;
    QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
        if (state == QAudio::StoppedState && sink.error() != QAudio::NoError) {
            failed = true;
            loop.quit();
        } else if (state == QAudio::IdleState && stream.atEnd() && !draining) {
            draining = true;
            const qint64 left = std::max<qint64>(durationMs - clock.elapsed(), 0);
            QTimer::singleShot(static_cast<int>(left + kBufferMs), &loop, &QEventLoop::quit);
        }
    });
    QTimer::singleShot(static_cast<int>(std::min<qint64>(durationMs + kGraceMs, std::numeric_limits<int>::max())),
                       &loop,
                       &QEventLoop::quit);
    clock.start();
    sink.start(&stream);
    if (sink.error() == QAudio::NoError)
        loop.exec();
    else
        failed = true;
    sink.stop();
    if (failed)
        QApplication::beep();
}
