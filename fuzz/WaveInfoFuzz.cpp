// Feeds arbitrary bytes to the wave header reader that bounds how long an alert sound may play.
#include <cstddef>
#include <cstdint>

#include "platform/WaveInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto duration = WaveInfo::durationMs(bytes); duration && *duration < 0)
        __builtin_trap();
    return 0;
}
