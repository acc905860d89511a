#include "board/ExitStore.h"

#include <QCoreApplication>

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
    // Whole sentences for one, two or three files, so that a translation may word each as its language needs.
    switch (failures.size()) {
    case 1:
        return QCoreApplication::translate("ExitStore", "Zendra 98 could not save %1 in %2.")
            .arg(failures[0], dir.directory());
    case 2:
        return QCoreApplication::translate("ExitStore", "Zendra 98 could not save %1 and %2 in %3.")
            .arg(failures[0], failures[1], dir.directory());
    default:
        return QCoreApplication::translate("ExitStore", "Zendra 98 could not save %1 and %2 and %3 in %4.")
            .arg(failures.value(0), failures.value(1), failures.value(2), dir.directory());
    }
}
} // namespace ExitStore
