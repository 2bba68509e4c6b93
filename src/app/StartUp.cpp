// The start-up sequence.
#include "app/StartUp.h"

#include "app/Globals.h"
#include "app/TCredits.h"
#include "app/TGame.h"
#include "app/TGameSettings.h"
#include "app/TMessageWindow.h"
#include "app/TMoreGames.h"
#include "app/TWyborZestawu.h"
#include "audio/TGlobalSnd.h"
#include "core/Screen.h"
#include "core/TDeltaTime.h"
#include "core/TMouse.h"
#include "core/TZegar.h"
#include "cutting/TRozcinacz.h"
#include "platform/Audio.h"
#include "platform/Draw.h"
#include "platform/Files.h"
#include "platform/Graphics.h"
#include "platform/Random.h"
#include "platform/System.h"
#include "play/TPuzzelGame.h"
#include "play/TSpark.h"
#include "storage/TProfileManager.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

std::string myDocsFolder;
bool userFolderReady = false;

namespace {

const char* const windowTitleText = "Tessaro Puzzle Game";

bool holdsDataTree(const std::string& folder) {
    return !folder.empty() && platform::fileType(folder + "/gfx") == platform::fileFolder;
}

} // namespace

bool enterDataTree(std::string* searched) {
    std::vector<std::string> candidates;
    if (const char* env = std::getenv("TESSARO_DATA"); env && *env) candidates.emplace_back(env);
    const std::string exe = platform::executableFolder();
    candidates.push_back(exe + "/data");
    candidates.push_back(exe + "/../share/tessaro-puzzle-game");
    candidates.push_back(exe);
    candidates.push_back(platform::currentFolder());
    for (const auto& folder : candidates) {
        if (holdsDataTree(folder) && platform::setCurrentFolder(folder)) return true;
    }
    if (searched) {
        for (const auto& folder : candidates) *searched += "\n  " + folder;
    }
    return false;
}

std::string HomeDir() {
    return platform::homeDir();
}

void GetDataFolders() {
    myDocsFolder = HomeDir() + "/Library/Preferences/.tessaroPuzzleGame";
    userFolderReady = platform::createFolders(myDocsFolder) &&
                      platform::createFolders(myDocsFolder + "/data") &&
                      platform::createFolders(myDocsFolder + "/profiles");
    if (!userFolderReady) {
        std::fprintf(stderr,
                     "Cannot create the folder %s: the game runs with default settings and cannot store "
                     "them.\n",
                     myDocsFolder.c_str());
    }
}

void openGraphics(int fullScreen) {
    if (!platform::openGraphics(screenX, screenY, fullScreen != 0)) {
        throw std::runtime_error("Cannot open the game's 800 x 600 graphics mode.");
    }
    platform::showSystemCursor(false);
}

void loadAll() {
    mouse->loadCursor("gfx/kursor.png", 1, 1);
    game->setup();
    rozcinacz->loadingPicture = game->background; // the cutter shows it behind its clock
    puzzelGame->setup();
    profileManager->setup();
    wyborZestawu->setup();
    TZegar::setup();
    loadSparks();
    autorzy->setup();
    moreGamesWindow->setup();
    settings->setup();
    zegar = stworzZegar(screenX / 2, 380);
    messageWindow->setup();
    globalSnd->load();
}

void startGame() {
    // The loading screen shows the menu picture, loaded once here for both.
    game->background = platform::Image::load("gfx/menu-screen.jpg");
    platform::setWindowTitle(windowTitleText);
    platform::seedRnd(static_cast<uint64_t>(platform::millisecs()));
    deltatime->SetFPS(60.0f);
    openGraphics(settings->fullScreen);

    platform::setBlend(platform::blendAlpha);
    platform::drawImage(game->background, 0, 0);
    platform::setImageFont(loadingFont);
    const std::string loadingText = "Loading...";
    platform::drawText(loadingText, static_cast<float>(400 - platform::textWidth(loadingText) / 2), 290);
    platform::flip();

    loadAll();
    game->start();
}

int tessaroMain() {
    static bool started = false;
    if (started) return 0;
    started = true;

    std::string searched;
    if (!enterDataTree(&searched)) {
        throw std::runtime_error("The game's data folder (gfx/, sfx/, dane/) was not found. Looked in:" +
                                 searched + "\nSet TESSARO_DATA to the folder that holds it.");
    }
    platform::openAudio();
    createGlobals();
    screenX = 800;
    screenY = 600;
    GetDataFolders();
    settings->Load();
    startGame();
    platform::showSystemCursor(true);
    return 0;
}
