#include "platform/qt/VolumeAlsa.h"

#include <alsa/asoundlib.h>
#include <memory>

#include <QByteArrayView>

namespace
{
struct MixerCloser
{
    void operator()(snd_mixer_t* mixer) const { snd_mixer_close(mixer); }
};
using Mixer = std::unique_ptr<snd_mixer_t, MixerCloser>;

Mixer openMixer()
{
    snd_mixer_t* raw = nullptr;
    if (snd_mixer_open(&raw, 0) < 0)
        return nullptr;
    Mixer mixer(raw);
    if (snd_mixer_attach(raw, "default") < 0 || snd_mixer_selem_register(raw, nullptr, nullptr) < 0 ||
        snd_mixer_load(raw) < 0)
        return nullptr;
    return mixer;
}

snd_mixer_elem_t* playbackElement(snd_mixer_t* mixer)
{
    snd_mixer_elem_t* first = nullptr;
    for (snd_mixer_elem_t* elem = snd_mixer_first_elem(mixer); elem; elem = snd_mixer_elem_next(elem)) {
        if (!snd_mixer_selem_is_active(elem) || !snd_mixer_selem_has_playback_volume(elem))
            continue;
        if (QByteArrayView(snd_mixer_selem_get_name(elem)) == "Master")
            return elem;
        if (!first)
            first = elem;
    }
    return first;
}

quint32 toWord(long value, long min, long max)
{
    if (max <= min)
        return 0;
    return static_cast<quint32>((value - min) * 65535 / (max - min));
}

long fromWord(quint32 word, long min, long max)
{
    return min + static_cast<long>((static_cast<long long>(word) * (max - min) + 32767) / 65535);
}
} // namespace

std::optional<quint32> VolumeAlsa::volume()
{
    const Mixer mixer = openMixer();
    snd_mixer_elem_t* elem = mixer ? playbackElement(mixer.get()) : nullptr;
    if (!elem)
        return std::nullopt;
    long min = 0;
    long max = 0;
    long left = 0;
    long right = 0;
    snd_mixer_selem_get_playback_volume_range(elem, &min, &max);
    if (snd_mixer_selem_get_playback_volume(elem, SND_MIXER_SCHN_FRONT_LEFT, &left) < 0)
        return std::nullopt;
    if (snd_mixer_selem_is_playback_mono(elem) ||
        snd_mixer_selem_get_playback_volume(elem, SND_MIXER_SCHN_FRONT_RIGHT, &right) < 0)
        right = left;
    return (toWord(right, min, max) << 16) | toWord(left, min, max);
}

void VolumeAlsa::setVolume(quint32 volume)
{
    const Mixer mixer = openMixer();
    snd_mixer_elem_t* elem = mixer ? playbackElement(mixer.get()) : nullptr;
    if (!elem)
        return;
    long min = 0;
    long max = 0;
    snd_mixer_selem_get_playback_volume_range(elem, &min, &max);
    const long left = fromWord(volume & 0xFFFFU, min, max);
    const long right = fromWord(volume >> 16, min, max);
    if (snd_mixer_selem_is_playback_mono(elem)) {
        snd_mixer_selem_set_playback_volume_all(elem, left);
        return;
    }
    snd_mixer_selem_set_playback_volume(elem, SND_MIXER_SCHN_FRONT_LEFT, left);
    snd_mixer_selem_set_playback_volume(elem, SND_MIXER_SCHN_FRONT_RIGHT, right);
}
