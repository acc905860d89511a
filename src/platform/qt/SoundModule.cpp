// The sound player as a module of its own: the board loads it, and with it Qt Multimedia and the sound
// server's client libraries, only when the first sound plays.
#include "platform/qt/SoundQt.h"

extern "C" Q_DECL_EXPORT Sound* zendraCreateSound()
{
    return new SoundQt;
}
