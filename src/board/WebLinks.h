#pragma once

#include <QUrl>

class DataDir;

/// The targets of the Help menu's links. The maker's host and feedback address live here and nowhere else.
namespace WebLinks
{
QUrl feedback();
QUrl makerHome();
QUrl productPage();
/// The help pages shipped with the program, as a file URL.
QUrl helpPage(const DataDir& dir);
/// The page that tells whether a version newer than `major`.`minor``revision` exists.
QUrl updatesPage(int major, int minor, int revision);
} // namespace WebLinks
