#pragma once

class DataDir;

/// position.dat: always-on-top flag and the board's left and top edge, in screen twips.
struct PositionFile
{
    static constexpr const char* kName = "position.dat";

    float onTop = 0;
    float left = 0;
    float top = 0;

    /// Values the read does not reach keep what they held.
    bool read(const DataDir& dir);
    bool write(const DataDir& dir) const;
    /// The on-top toggle stores its flag with the left and top the file already holds.
    static bool rewriteFlag(const DataDir& dir, int onTop);
};
