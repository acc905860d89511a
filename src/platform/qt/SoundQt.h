#pragma once

#include "platform/Sound.h"

/// Streams a wave file to the default output device through QAudioSink, converting its samples on the way
/// (see WaveFile for the formats). A play asked for while one is playing is dropped: the alert already sounds.
class SoundQt final : public Sound
{
public:
    void play(const QString& wavePath) override;

private:
    bool m_playing = false;
};
