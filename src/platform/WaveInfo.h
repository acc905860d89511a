#pragma once

#include <optional>

#include <QByteArray>

/// The playing time of a RIFF/WAVE file, read from its header: how long a synchronous play has to wait at most.
namespace WaveInfo
{
std::optional<qint64> durationMs(const QByteArray& header);
} // namespace WaveInfo
