#pragma once

#include <QString>

/// Plays a wave file to its end before returning; windows keep repainting meanwhile. A file that cannot be
/// played gives the desktop's default beep.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play(const QString& wavePath) = 0;
};
