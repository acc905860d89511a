#include "board/ExitStore.h"

#include "board/PositionFile.h"
#include "core/BoardFeature.h"
#include "core/DataDir.h"

namespace ExitStore
{
QStringList store(const DataDir& dir,
                  QPointF placeTwips,
                  bool onTop,
                  const std::vector<std::unique_ptr<BoardFeature>>& features,
                  bool ask)
{
    QStringList failures;
    const PositionFile position{
        onTop ? 1.0F : 0.0F, static_cast<float>(placeTwips.x()), static_cast<float>(placeTwips.y())};
    if (!position.write(dir))
        failures << QString::fromLatin1(PositionFile::kName);
    for (const auto& feature : features)
        failures << feature->storeAtExit(ask);
    return failures;
}

QString failureText(const QStringList& failures, const DataDir& dir)
{
    return QStringLiteral("Zendra 98 could not save %1 in %2.")
        .arg(failures.join(QStringLiteral(" and ")), dir.directory());
}
} // namespace ExitStore
