#include "info/Tips.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>

#include "core/TextCodec.h"

std::optional<QStringList> Tips::read(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Asked for the file's size, not the cap: read() sets aside as many bytes as it is asked for.
    QString text = TextCodec::decode(file.read(std::min(file.size(), kMaxFileBytes)));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.isEmpty())
        return QStringList();
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

int Tips::pick(qsizetype count, const std::function<double()>& random)
{
    const double r = random();
    const auto number = static_cast<qsizetype>(r * static_cast<double>(count) + 1);
    // A source that reaches 1 or more must not point past the last tip.
    return static_cast<int>(std::clamp<qsizetype>(number, 1, std::max<qsizetype>(count, 1)));
}
