#pragma once

#include <array>

#include <QString>

class DataDir;

/// The six launch icons, always in this order in the position files.
enum class LaunchIconId
{
    MyPrograms,   // Image1
    DialUp,       // dialup
    ControlPanel, // controlp
    Explorer,     // picture4
    Calculator,   // cal
    Notepad,      // np
};

constexpr int kLaunchIconCount = 6;

struct IconPlace
{
    float top = 0;
    float left = 0;
};

/// icons.dat and default.dat: six records of (top, left) in twips.
struct IconPositions
{
    static constexpr const char* kSavedName = "icons.dat";
    static constexpr const char* kDefaultName = "default.dat";

    std::array<IconPlace, kLaunchIconCount> places{};

    /// Values the read does not reach keep what they held.
    bool read(const DataDir& dir, const QString& name);
    bool write(const DataDir& dir, const QString& name) const;

    IconPlace& operator[](LaunchIconId id) { return places[static_cast<std::size_t>(id)]; }
    const IconPlace& operator[](LaunchIconId id) const { return places[static_cast<std::size_t>(id)]; }
};
