#pragma once

#include "platform/Volume.h"

/// The playback volume of the default ALSA mixer ("Master", else the first element with a playback volume),
/// mapped from 0..65535 onto the mixer's own range. Without a mixer it does nothing.
class VolumeAlsa final : public Volume
{
public:
    std::optional<quint32> volume() override;
    void setVolume(quint32 volume) override;
};
