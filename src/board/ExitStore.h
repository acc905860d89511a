#pragma once

#include <QPointF>
#include <QStringList>

class DataDir;
class LaunchIcons;
class ScratchPad;

/// What "E&xit" stores, and what the end of a session stores as well: the board's place and on-top state, the
/// scratch pad's text and the launch icons' places, each file whole or not at all.
namespace ExitStore
{
/// Writes position.dat, scratch.dat (asking first whether to keep the pad's text when `ask`) and icons.dat, and
/// returns the names of the files that could not be saved.
QStringList
store(const DataDir& dir, QPointF placeTwips, bool onTop, ScratchPad& scratch, const LaunchIcons& launch, bool ask);
/// "Zendra 98 could not save <files> in <folder>."
QString failureText(const QStringList& failures, const DataDir& dir);
} // namespace ExitStore
