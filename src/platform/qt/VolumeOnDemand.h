#pragma once

#include <memory>

#include <QString>

#include "platform/Volume.h"

/// Loads the mixer module beside the executable when the volume is first read or set, so that the ALSA library
/// loads only in a run that touches the volume. Without the module there is no mixer: both calls do nothing.
class VolumeOnDemand final : public Volume
{
public:
    explicit VolumeOnDemand(const QString& modulePath);
    ~VolumeOnDemand() override;

    std::optional<quint32> volume() override;
    void setVolume(quint32 volume) override;

private:
    Volume* mixer();

    QString m_modulePath;
    bool m_tried = false;
    std::unique_ptr<Volume> m_mixer;
};
