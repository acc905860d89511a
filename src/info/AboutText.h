#pragma once

#include <QString>

/// The texts of the about and credits windows.
namespace AboutText
{
/// "Version: " major "." minor and, with no separator, revision: 1, 5, 0 give "Version: 1.50".
QString versionLine(int major, int minor, int revision);

constexpr int kCreditsEntries = 3;
/// The list entries of the credits window, in order.
QString creditsEntry(int index);
/// The text shown for list entry `index`, lines joined by CR LF.
QString creditsText(int index);
} // namespace AboutText
