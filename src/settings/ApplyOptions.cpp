#include "settings/ApplyOptions.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

#include "board/Form1.h"
#include "core/Flag.h"
#include "core/Twips.h"
#include "settings/BoardColour.h"
#include "settings/Options.h"

namespace
{
// The background picture's design place: its top stands one pixel above the board's edge.
constexpr double kPictureDesignLeft = 0;
constexpr double kPictureDesignTop = -15;

bool loadPicture(QLabel* picture, const QString& path)
{
    const QPixmap pixmap(path);
    if (pixmap.isNull())
        return false;
    picture->setPixmap(pixmap);
    picture->resize(pixmap.size());
    picture->show();
    return true;
}

void centre(Form1& board, QLabel* picture)
{
    const QSizeF boardSize = board.sizeTwips();
    const double left = (boardSize.width() - Twips::fromPixels(picture->width())) / 2;
    const double top = (boardSize.height() - Twips::fromPixels(picture->height())) / 2;
    picture->move(Twips::toPixels(left, top));
}

void setIcon(Form1& board, LaunchIconId id, bool visible)
{
    board.launchIcon(id)->setVisible(visible);
}
} // namespace

void ApplyOptions::boardColour(Form1& board, qint32 colour)
{
    board.setBoardColour(colourFromStored(colour));
}

void ApplyOptions::trayIcon(Form1& board, float mode)
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

void ApplyOptions::launchIconsAtStartup(Form1& board, const Options& options)
{
    const std::pair<LaunchIconId, float> flags[] = {
        {LaunchIconId::Explorer, options.explorerFlag},
        {LaunchIconId::MyPrograms, options.myProgramsFlag},
        {LaunchIconId::DialUp, options.dialUpFlag},
        {LaunchIconId::ControlPanel, options.controlPanelFlag},
        {LaunchIconId::Calculator, options.calculatorFlag},
        {LaunchIconId::Notepad, options.notepadFlag},
    };
    for (const auto& [id, flag] : flags) {
        if (isFlagSet(flag))
            setIcon(board, id, true);
    }
}

void ApplyOptions::backgroundAtStartup(Form1& board, const Options& options)
{
    const bool centred = options.centreFlag == 1.0F;
    if ((!centred && options.centreFlag != 0.0F) || options.backgroundPath.isEmpty() ||
        !QFileInfo(options.backgroundPath).isFile())
        return;
    QLabel* picture = board.backgroundPicture();
    if (!loadPicture(picture, options.backgroundPath))
        return;
    if (centred)
        centre(board, picture);
    else
        picture->move(Twips::toPixels(kPictureDesignLeft, kPictureDesignTop));
}

void ApplyOptions::fromPreferences(Form1& board, const PreferenceValues& values)
{
    trayIcon(board, values.trayMode);
    setIcon(board, LaunchIconId::Explorer, values.explorer);
    QLabel* picture = board.backgroundPicture();
    if (values.picturePath.isEmpty()) {
        picture->clear();
        picture->hide();
    } else if (loadPicture(picture, values.picturePath)) {
        if (values.centrePicture)
            centre(board, picture);
        else
            picture->move(0, 0);
    }
    boardColour(board, values.colour);
    setIcon(board, LaunchIconId::MyPrograms, values.myPrograms);
    setIcon(board, LaunchIconId::DialUp, values.dialUp);
    setIcon(board, LaunchIconId::ControlPanel, values.controlPanel);
    setIcon(board, LaunchIconId::Calculator, values.calculator);
    setIcon(board, LaunchIconId::Notepad, values.notepad);
}
