#include "board/ExitStore.h"

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
    return QStringLiteral("Zendra 98 could not save %1 in %2.")
        .arg(failures.join(QStringLiteral(" and ")), dir.directory());
}
} // namespace ExitStore
