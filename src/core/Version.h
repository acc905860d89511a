#pragma once

/// The program's version: 1.5.0, shown as 1.50 and asked for as the update page 1.50.html.
namespace Version
{
constexpr int kMajor = 1;
constexpr int kMinor = 5;
constexpr int kRevision = 0;
} // namespace Version
