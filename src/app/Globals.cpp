// Creating the global objects in the start-up order.
#include "app/Globals.h"

#include "app/TCredits.h"
#include "app/TGame.h"
#include "app/TGameSettings.h"
#include "app/TMessageWindow.h"
#include "app/TMoreGames.h"
#include "app/TWyborZestawu.h"
#include "audio/TGlobalSnd.h"
#include "audio/TOptions.h"
#include "audio/TSongManager.h"
#include "core/TDeltaTime.h"
#include "core/TMouse.h"
#include "cutting/TKreatorKlockow.h"
#include "cutting/TRozcinacz.h"
#include "play/TPuzzelGame.h"
#include "storage/TProfile.h"
#include "storage/TProfileManager.h"

#include <cstdio>

platform::ImageFontPtr font;
platform::ImageFontPtr titleFont;
platform::ImageFontPtr loadingFont;

namespace {

platform::ImageFontPtr loadGameFont(int size) {
    auto loaded = platform::ImageFont::load("gfx/bluehigh.ttf", size, true);
    if (!loaded) std::fprintf(stderr, "Cannot load the font gfx/bluehigh.ttf: texts will not show.\n");
    return loaded;
}

} // namespace

void createGlobals() {
    // 1-3: the clock's images, the spark list and the spark images are class-level arrays and lists
    // that exist from program start.
    songManager = std::make_shared<TSongManager>();
    rozcinacz = std::make_shared<TRozcinacz>();
    puzzelGame = std::make_shared<TPuzzelGame>();
    deltatime = std::make_shared<TDeltaTime>();
    mouse = std::make_shared<TPuzzelMouse>();
    kreatorKlockow = std::make_shared<TKreatorKlockow>();
    profileManager = std::make_shared<TProfileManager>();
    game = std::make_shared<TGame>();
    profile = std::make_shared<TProfile>();
    wyborZestawu = std::make_shared<TWyborZestawu>();
    moreGamesWindow = std::make_shared<TMoreGames>();
    autorzy = std::make_shared<TCredits>();
    settings = std::make_shared<TGameSettings>();
    options = std::make_shared<TOptions>();
    globalSnd = std::make_shared<TGlobalSnd>();
    font = loadGameFont(14);
    titleFont = loadGameFont(20);
    loadingFont = loadGameFont(36);
    messageWindow = std::make_shared<TMessageWindow>();
}
