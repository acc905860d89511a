#pragma once

#include "platform/Volume.h"

/// For builds without a mixer library: there is no volume to read or set.
class VolumeNone final : public Volume
{
public:
    std::optional<quint32> volume() override { return std::nullopt; }
    void setVolume(quint32) override {}
};
