#pragma once

#include <optional>

#include <QtGlobal>

/// The default output's volume: left channel in the low 16 bits, right in the high 16 bits, 0..65535 each.
/// Without a mixer both calls do nothing.
class Volume
{
public:
    virtual ~Volume() = default;
    virtual std::optional<quint32> volume() = 0;
    virtual void setVolume(quint32 volume) = 0;
};
