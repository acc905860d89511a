#include "launch/LaunchIconTable.h"

#include <QtGlobal>

namespace
{
constexpr std::array<LaunchIconInfo, kLaunchIconCount> kIcons = {{
    {LaunchIconId::MyPrograms,
     "Image1",
     QT_TRANSLATE_NOOP("LaunchIcons", "My Programs"),
     "",
     "myprograms.png",
     105,
     1440,
     240,
     240,
     1580},
    {LaunchIconId::DialUp,
     "dialup",
     QT_TRANSLATE_NOOP("LaunchIcons", "Dial Up Networking"),
     "EXPLORER.EXE ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{992CFFA0-F557-101A-88EC-00DD010CCC48}",
     "dialup.png",
     480,
     1425,
     225,
     195,
     1620},
    {LaunchIconId::ControlPanel,
     "controlp",
     QT_TRANSLATE_NOOP("LaunchIcons", "Control Panel"),
     "explorer.exe ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{21EC2020-3AEA-1069-A2DD-08002B30309D}",
     "controlp.png",
     825,
     1440,
     225,
     195,
     1620},
    {LaunchIconId::Explorer,
     "picture4",
     QT_TRANSLATE_NOOP("LaunchIcons", "Explorer"),
     "explorer.exe",
     "explorer.png",
     1350,
     1440,
     225,
     225,
     1580},
    {LaunchIconId::Calculator,
     "cal",
     QT_TRANSLATE_NOOP("LaunchIcons", "Calculator"),
     "calc.exe",
     "calculator.png",
     1710,
     1440,
     240,
     180,
     1620},
    {LaunchIconId::Notepad,
     "np",
     QT_TRANSLATE_NOOP("LaunchIcons", "Notepad"),
     "notepad.exe",
     "notepad.png",
     2055,
     1440,
     240,
     240,
     1620},
}};
} // namespace

const std::array<LaunchIconInfo, kLaunchIconCount>& LaunchIconTable::all()
{
    return kIcons;
}

const LaunchIconInfo& LaunchIconTable::info(LaunchIconId id)
{
    return kIcons[static_cast<std::size_t>(id)];
}
