#pragma once

#include <QString>

/// Plays a wave file to its end before returning; windows keep repainting meanwhile. Plays PCM waves of 8-bit
/// unsigned or 16-, 24- or 32-bit signed samples and of 32- or 64-bit floats, in plain or extensible headers, at
/// any rate and channel count the sound device takes (more channels than it has are mixed down). A file that
/// cannot be played, or a desktop without a sound device, gives the desktop's default beep.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play(const QString& wavePath) = 0;
};
