#pragma once

#include <array>

#include <QString>

#include "launch/IconPositions.h"

/// The fixed facts of one launch icon: its name on the board, tooltip, command, picture and design place.
struct LaunchIconInfo
{
    LaunchIconId id;
    const char* objectName;
    const char* tooltip; // marked for translation in the context "LaunchIcons"
    const char* command; // empty for My Programs, which opens the program popup instead
    const char* picture;
    double left;
    double top;
    double width;
    double height;
    float highestTop; // the highest top a right-button move may give it
};

namespace LaunchIconTable
{
const std::array<LaunchIconInfo, kLaunchIconCount>& all();
const LaunchIconInfo& info(LaunchIconId id);
} // namespace LaunchIconTable
