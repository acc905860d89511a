#pragma once

class DataDir;

/// tipset.dat: 1 when the tip of the day shows at start-up.
struct TipsetFile
{
    static constexpr const char* kName = "tipset.dat";

    float showAtStartup = 0;

    bool read(const DataDir& dir);
    /// Stores the whole number `value` (1 or 0) as one record, atomically.
    static bool write(const DataDir& dir, int value);
};
