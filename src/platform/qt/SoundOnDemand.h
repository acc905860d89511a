#pragma once

#include <memory>

#include <QString>

#include "platform/Sound.h"

/// Loads the sound module beside the executable on the first play and hands every play to it. Without the
/// module a play gives the desktop's default beep.
class SoundOnDemand final : public Sound
{
public:
    explicit SoundOnDemand(const QString& modulePath);
    ~SoundOnDemand() override;

    void play(const QString& wavePath) override;

private:
    QString m_modulePath;
    bool m_tried = false;
    std::unique_ptr<Sound> m_player;
};
