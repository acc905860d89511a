#pragma once

#include <memory>
#include <vector>

#include <QPointF>
#include <QStringList>

class BoardFeature;
class DataDir;

/// What "E&xit" stores, and what the end of a session stores as well: the board's place and on-top state, then
/// what each feature stores, each file whole or not at all.
namespace ExitStore
{
/// Writes position.dat, then runs each feature's exit step in list order (asking what needs asking when `ask`),
/// and returns the names of the files that could not be saved.
QStringList store(const DataDir& dir,
                  QPointF placeTwips,
                  bool onTop,
                  const std::vector<std::unique_ptr<BoardFeature>>& features,
                  bool ask);
/// "Zendra 98 could not save <files> in <folder>."
QString failureText(const QStringList& failures, const DataDir& dir);
} // namespace ExitStore
