#pragma once

#include <array>

#include <QString>

#include "core/Options.h"

class QAction;
class QMenu;

/// The ten items of a program menu: the board menu's "&Launch Program" submenu and the My Programs popup.
namespace ProgramMenu
{
using Items = std::array<QAction*, kProgramCount>;

/// Longer titles are shortened in the middle, so that a menu always fits on the screen.
constexpr qsizetype kMaxCaptionLength = 60;

/// Adds ten items named `itemName` with the design captions `designCaption` 1 to 10 (e.g. "Program %1").
Items build(QMenu* menu, const char* itemName, const QString& designCaption);
/// Shows each program's title on its item.
void setTitles(const Items& items, const std::array<ProgramEntry, kProgramCount>& programs);
/// A title as a menu caption: shown literally ("&" is no access key, control characters are blanks).
QString caption(const QString& title);
} // namespace ProgramMenu
