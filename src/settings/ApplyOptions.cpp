#include "settings/ApplyOptions.h"

#include <QFileInfo>
#include <QPixmap>

#include "core/BoardSurface.h"
#include "core/Flag.h"
#include "core/Twips.h"
#include "settings/BoardColour.h"
#include "settings/Options.h"

namespace
{
// The background picture's design place: its top stands one pixel above the board's edge.
constexpr QPointF kPictureDesignPlace{0, -15};

// The launch icons that the icon flags of options.dat show.
const auto kExplorer = QStringLiteral("picture4");
const auto kMyPrograms = QStringLiteral("Image1");
const auto kDialUp = QStringLiteral("dialup");
const auto kControlPanel = QStringLiteral("controlp");
const auto kCalculator = QStringLiteral("cal");
const auto kNotepad = QStringLiteral("np");

QPointF centred(const BoardSurface& board, const QPixmap& picture)
{
    const QSizeF boardSize = board.sizeTwips();
    return {(boardSize.width() - Twips::fromPixels(picture.width())) / 2,
            (boardSize.height() - Twips::fromPixels(picture.height())) / 2};
}
} // namespace

void ApplyOptions::boardColour(BoardSurface& board, qint32 colour)
{
    board.setBoardColour(colourFromStored(colour));
}

void ApplyOptions::trayIcon(BoardSurface& board, float mode)
{
    if (mode == static_cast<float>(TrayMode::Always)) {
        board.showTrayIcon();
    } else if (mode == static_cast<float>(TrayMode::Never)) {
        board.removeTrayIcon();
    } else if (mode == static_cast<float>(TrayMode::WhileNotOnTop)) {
        if (board.isOnTop())
            board.removeTrayIcon();
        else
            board.showTrayIcon();
    }
}

void ApplyOptions::launchIconsAtStartup(BoardSurface& board, const Options& options)
{
    const std::pair<const QString&, float> flags[] = {
        {kExplorer, options.explorerFlag},
        {kMyPrograms, options.myProgramsFlag},
        {kDialUp, options.dialUpFlag},
        {kControlPanel, options.controlPanelFlag},
        {kCalculator, options.calculatorFlag},
        {kNotepad, options.notepadFlag},
    };
    for (const auto& [name, flag] : flags) {
        if (isFlagSet(flag))
            board.setControlVisible(name, true);
    }
}

void ApplyOptions::backgroundAtStartup(BoardSurface& board, const Options& options)
{
    const bool centre = options.centreFlag == 1.0F;
    if ((!centre && options.centreFlag != 0.0F) || options.backgroundPath.isEmpty() ||
        !QFileInfo(options.backgroundPath).isFile())
        return;
    const QPixmap picture(options.backgroundPath);
    if (!picture.isNull())
        board.showBackgroundPicture(picture, centre ? centred(board, picture) : kPictureDesignPlace);
}

void ApplyOptions::fromPreferences(BoardSurface& board, const PreferenceValues& values)
{
    trayIcon(board, values.trayMode);
    board.setControlVisible(kExplorer, values.explorer);
    if (values.picturePath.isEmpty()) {
        board.clearBackgroundPicture();
    } else if (const QPixmap picture(values.picturePath); !picture.isNull()) {
        // A path that names no picture keeps the one the board shows, where it is.
        board.showBackgroundPicture(picture, values.centrePicture ? centred(board, picture) : QPointF(0, 0));
    }
    boardColour(board, values.colour);
    board.setControlVisible(kMyPrograms, values.myPrograms);
    board.setControlVisible(kDialUp, values.dialUp);
    board.setControlVisible(kControlPanel, values.controlPanel);
    board.setControlVisible(kCalculator, values.calculator);
    board.setControlVisible(kNotepad, values.notepad);
}
