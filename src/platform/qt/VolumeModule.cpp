// The ALSA mixer as a module of its own: the board loads it, and with it the ALSA library, only when the volume is
// first read or set.
#include "platform/qt/VolumeAlsa.h"

extern "C" Q_DECL_EXPORT Volume* zendraCreateVolume()
{
    return new VolumeAlsa;
}
