#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

/// TIPOFDAY.TXT and the random choice among its tips.
namespace Tips
{
constexpr const char* kFileName = "TIPOFDAY.TXT";
/// Only this much of a tips file is read; a tips file is a few kilobytes.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

/// Every line is a tip, an empty one included; the line break after the last line does not start another.
/// Nothing when the name is empty or no normal file of that name exists. A file that is not UTF-8 is read as
/// Windows-1252.
std::optional<QStringList> read(const QString& path);

/// The 1-based number of a tip among `count`, drawn from `random` (0 <= r < 1): each is equally likely.
int pick(qsizetype count, const std::function<double()>& random);
} // namespace Tips
