#include "platform/qt/VolumeOnDemand.h"

#include "platform/qt/OnDemandModule.h"

VolumeOnDemand::VolumeOnDemand(const QString& modulePath)
    : m_modulePath(modulePath)
{
}

VolumeOnDemand::~VolumeOnDemand() = default;

std::optional<quint32> VolumeOnDemand::volume()
{
    Volume* const real = mixer();
    return real ? real->volume() : std::nullopt;
}

void VolumeOnDemand::setVolume(quint32 volume)
{
    if (Volume* const real = mixer())
        real->setVolume(volume);
}

Volume* VolumeOnDemand::mixer()
{
    if (!m_tried) {
        m_tried = true;
        QString error;
        using Create = Volume* (*)();
        if (const auto create = resolveOnDemand<Create>(m_modulePath, "zendraCreateVolume", error))
            m_mixer.reset(create());
    }
    return m_mixer.get();
}
