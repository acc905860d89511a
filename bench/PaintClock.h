#pragma once

#include <cstdio>
#include <ctime>

// Both benchmark programs print "<label> <ns>" on stdout, where <ns> is CLOCK_MONOTONIC in nanoseconds: the
// same clock as Python's time.monotonic_ns(), which bench/run reads just before it spawns the program.
inline void printPaintTime(const char* label)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + static_cast<long long>(now.tv_nsec);
    std::printf("%s %lld\n", label, ns);
    std::fflush(stdout);
}
