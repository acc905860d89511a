#pragma once

class DataDir;

/// search.dat: the net search window's engine (0 for none), keep-on-top flag and search-list flag.
struct SearchFile
{
    static constexpr const char* kName = "search.dat";

    float engine = 0;
    float onTop = 0;
    float searchList = 0;

    /// What a missing or short file does not reach keeps its default: no engine, not on top, compact.
    static SearchFile read(const DataDir& dir);
    /// One record, written atomically.
    bool write(const DataDir& dir) const;
};
