#include "app/BoardStart.h"

#include <QPixmap>

#include "app/StartupFiles.h"
#include "board/Form1.h"
#include "board/VolumeButtons.h"
#include "email/MailController.h"
#include "info/InfoWindows.h"
#include "launch/LaunchIcons.h"
#include "netsearch/NetSearch.h"
#include "notes/NoteSlots.h"
#include "platform/Platform.h"
#include "scratch/ScratchPad.h"
#include "settings/ApplyOptions.h"
#include "settings/PreferencesController.h"

BoardFeatures buildFeatures(Form1& board, Platform& platform, const DataDir& dataDir)
{
    // Built in the order their controls lie on the board, each above the ones before: the open scratch pad lies
    // above the volume buttons it overlaps.
    auto launch = std::make_unique<LaunchIcons>(platform, dataDir, board);
    auto volume = std::make_unique<VolumeButtons>(
        platform.volume, board, [&board](const char* name) { return board.shippedPicture(name); });
    auto mail = std::make_unique<MailController>(platform, dataDir, board);
    auto notes = std::make_unique<NoteSlots>(platform, dataDir, board);
    auto scratch = std::make_unique<ScratchPad>(platform, dataDir, board);
    auto info = std::make_unique<InfoWindows>(platform, dataDir, board);
    auto netSearch = std::make_unique<NetSearch>(platform, dataDir);
    auto preferences = std::make_unique<PreferencesController>(platform, dataDir, board);

    // The features meet here only.
    QObject::connect(notes.get(), &NoteSlots::aboutRequested, info.get(), &InfoWindows::mnuAbout_Click);
    QObject::connect(preferences.get(), &PreferencesController::tipsRequested, info.get(), &InfoWindows::mnutips_Click);
    QObject::connect(
        preferences.get(), &PreferencesController::emailSetupRequested, mail.get(), &MailController::openSetup);
    QObject::connect(&preferences->shown(), &OptionsModel::shownChanged, launch.get(), &LaunchIcons::showIcon);
    QObject::connect(&board, &Form1::onTopToggled, preferences.get(), &PreferencesController::boardOnTopToggled);

    const BoardFeatures features{
        launch.get(), mail.get(), notes.get(), scratch.get(), info.get(), netSearch.get(), preferences.get()};
    // In the board menu's order, which is also the order of the exit steps.
    std::vector<std::unique_ptr<BoardFeature>> list;
    list.push_back(std::move(notes));
    list.push_back(std::move(scratch));
    list.push_back(std::move(netSearch));
    list.push_back(std::move(launch));
    list.push_back(std::move(mail));
    list.push_back(std::move(preferences));
    list.push_back(std::move(info));
    list.push_back(std::move(volume));
    board.setFeatures(std::move(list));
    return features;
}

void loadBoard(Form1& board, const BoardFeatures& features, const DataDir& dataDir)
{
    // The new-mail picture comes first, so its message shows before any data file is opened.
    features.mail->loadPicture();
    const StartupFiles files = StartupFiles::read(dataDir);
    const Options& options = files.options;
    board.Form_Load({
        [&] { features.mail->startUp(files.email); },
        [&] { features.launch->placeIcons(files.icons); },
        [&] { features.launch->setPrograms(options.programs); },
        [&] { ApplyOptions::boardColour(board, options.colour); },
        [&] { features.scratch->startUp(files.autosave, files.scratch); },
        [&] { board.applyOnTopFlag(files.position.onTop); },
        [&] { ApplyOptions::trayIcon(board, options.trayMode); },
        [&] { board.placeAtStoredPosition(files.position.left, files.position.top); },
        [&] { features.notes->startUp(files.notes); },
        [&] { ApplyOptions::launchIconsAtStartup(features.preferences->shown(), options); },
        [&] { ApplyOptions::backgroundAtStartup(board, options); },
        [&] { features.info->startUp(files.tipset); },
    });
}
