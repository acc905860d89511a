#include "platform/qt/SoundQt.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "platform/WaveFile.h"

namespace
{
// Time for the device to open and drain after the last sample.
constexpr qint64 kGraceMs = 1500;

std::optional<qint64> durationOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto format = WaveFile::read(file);
    return format ? std::optional(format->durationMs()) : std::nullopt;
}
} // namespace

void SoundQt::play(const QString& wavePath)
{
    const auto duration = durationOf(wavePath);
    if (!duration) {
        QApplication::beep();
        return;
    }

    QSoundEffect effect;
    QEventLoop loop;
    bool failed = false;
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error) {
            failed = true;
            loop.quit();
        } else if (effect.status() == QSoundEffect::Ready) {
            effect.play();
        }
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying())
            loop.quit();
    });
    // Without a sound card the effect may report playing for ever: the file's own length bounds the wait.
    QTimer::singleShot(*duration + kGraceMs, &loop, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(wavePath));
    loop.exec();
    if (failed)
        QApplication::beep();
}
