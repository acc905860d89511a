#pragma once

#include <QByteArray>
#include <QString>

/// Data files are written as UTF-8. Files carried over from the Windows program are in Windows-1252, so a
/// file that is not valid UTF-8 is read as Windows-1252 and keeps its accents.
namespace TextCodec
{
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);
} // namespace TextCodec
