#pragma once

#include "platform/Sound.h"

/// QSoundEffect, created when the first sound plays so that a board that never plays one does not load the
/// multimedia back end.
class SoundQt final : public Sound
{
public:
    void play(const QString& wavePath) override;
};
