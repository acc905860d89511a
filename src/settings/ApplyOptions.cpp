#include "settings/ApplyOptions.h"

#include <QFileInfo>
#include <QPixmap>

#include "core/BoardSurface.h"
#include "core/Flag.h"
#include "core/Options.h"
#include "core/OptionsModel.h"
#include "core/Twips.h"
#include "settings/BoardColour.h"

namespace
{
// The background picture's design place: its top stands one pixel above the board's edge.
constexpr QPointF kPictureDesignPlace{0, -15};

using Icon = OptionsModel::Icon;

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

void ApplyOptions::launchIconsAtStartup(OptionsModel& shown, const Options& options)
{
    const std::pair<Icon, float> flags[] = {
        {Icon::Explorer, options.explorerFlag},
        {Icon::MyPrograms, options.myProgramsFlag},
        {Icon::DialUp, options.dialUpFlag},
        {Icon::ControlPanel, options.controlPanelFlag},
        {Icon::Calculator, options.calculatorFlag},
        {Icon::Notepad, options.notepadFlag},
    };
    for (const auto& [icon, flag] : flags) {
        if (isFlagSet(flag))
            shown.setShown(icon, true);
    }
}

void ApplyOptions::backgroundAtStartup(BoardSurface& board, const Options& options)
{
    const bool centre = isFlagSet(options.centreFlag);
    if ((!centre && options.centreFlag != 0.0F) || options.backgroundPath.isEmpty() ||
        !QFileInfo(options.backgroundPath).isFile())
        return;
    const QPixmap picture(options.backgroundPath);
    if (!picture.isNull())
        board.showBackgroundPicture(picture, centre ? centred(board, picture) : kPictureDesignPlace);
}

void ApplyOptions::fromPreferences(BoardSurface& board, OptionsModel& shown, const PreferenceValues& values)
{
    trayIcon(board, values.trayMode);
    shown.setShown(Icon::Explorer, values.explorer);
    if (values.picturePath.isEmpty()) {
        board.clearBackgroundPicture();
    } else if (const QPixmap picture(values.picturePath); !picture.isNull()) {
        // A path that names no picture keeps the one the board shows, where it is.
        board.showBackgroundPicture(picture, values.centrePicture ? centred(board, picture) : QPointF(0, 0));
    }
    boardColour(board, values.colour);
    shown.setShown(Icon::MyPrograms, values.myPrograms);
    shown.setShown(Icon::DialUp, values.dialUp);
    shown.setShown(Icon::ControlPanel, values.controlPanel);
    shown.setShown(Icon::Calculator, values.calculator);
    shown.setShown(Icon::Notepad, values.notepad);
}
