#include "platform/qt/SoundOnDemand.h"

#include <QApplication>
#include <QLibrary>

SoundOnDemand::SoundOnDemand(const QString& modulePath)
    : m_modulePath(modulePath)
{
}

SoundOnDemand::~SoundOnDemand() = default;

void SoundOnDemand::play(const QString& wavePath)
{
    if (!m_tried) {
        m_tried = true;
        // The library stays loaded for the rest of the run: the player's code lives in it.
        QLibrary module(m_modulePath);
        using Factory = Sound* (*)();
        if (const auto create = reinterpret_cast<Factory>(module.resolve("zendraCreateSound")))
            m_player.reset(create());
    }
    if (m_player)
        m_player->play(wavePath);
    else
        QApplication::beep();
}
