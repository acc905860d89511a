#include "board/ExitStore.h"

#include <QCoreApplication>

#include "board/PositionFile.h"
#include "core/DataDir.h"
#include "launch/IconPositions.h"
#include "launch/LaunchIcons.h"
#include "scratch/ScratchFiles.h"
#include "scratch/ScratchPad.h"

namespace ExitStore
{
QStringList
store(const DataDir& dir, QPointF placeTwips, bool onTop, ScratchPad& scratch, const LaunchIcons& launch, bool ask)
{
    QStringList failures;
    const PositionFile position{
        onTop ? 1.0F : 0.0F, static_cast<float>(placeTwips.x()), static_cast<float>(placeTwips.y())};
    if (!position.write(dir))
        failures << QString::fromLatin1(PositionFile::kName);
    if (!scratch.exitStep(ask))
        failures << QString::fromLatin1(ScratchFile::kName);
    if (!launch.iconpossave())
        failures << QString::fromLatin1(IconPositions::kSavedName);
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
