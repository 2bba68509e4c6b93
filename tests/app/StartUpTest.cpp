// The whole start-up run headless: loading screen, per-user folders, main menu, leaving the game.
// Each test starts the game once; ctest runs every test in a process of its own.
#include "Headless.h"

#include "app/StartUp.h"
#include "app/TGameSettings.h"
#include "audio/TOptions.h"
#include "core/TDeltaTime.h"
#include "platform/Draw.h"
#include "platform/Files.h"
#include "platform/Graphics.h"
#include "platform/Headless.h"
#include "platform/Pixmap.h"
#include "storage/TSCFunctions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;

namespace {

struct Box {
    int left = 800, top = 600, right = -1, bottom = -1;
};

// Where two frames differ.
Box differences(const Pixmap& a, const Pixmap& b) {
    Box box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.read(x, y) != b.read(x, y)) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

struct GameRun {
    PixmapPtr loadingFrame;
    std::string titleAtLoading;
    bool cursorShownAtLoading = true;
    float firstMenuDelta = -1;
    bool fullScreenInMenu = false;
    int result = -1;
};

GameRun runGameUntilEscape(long escapeAtFrame) {
    GameRun run;
    headless::reset();
    headless::useVirtualClock(true);
    headless::setFrameHook([&](long frame) {
        if (frame == 1) {
            run.loadingFrame = grabPixmap(0, 0, 800, 600);
            run.titleAtLoading = windowTitle();
            run.cursorShownAtLoading = systemCursorVisible();
            headless::saveFrame(std::string(TESSARO_BINARY_PATH) + "/test-frames/loading-screen.png");
        }
        if (frame == 2) {
            run.firstMenuDelta = delta;
            run.fullScreenInMenu = isFullScreen();
        }
        if (frame == escapeAtFrame) headless::queueKey(Key::Escape);
        if (frame > escapeAtFrame + 600) throw std::runtime_error("the game did not leave after Escape");
    });
    run.result = tessaroMain();
    headless::reset();
    return run;
}

} // namespace

TEST(StartUp, FirstRunMakesTheFoldersShowsTheLoadingScreenAndLeavesOnEscape) {
    testing_support::TempHome home;
    createFolders(std::string(TESSARO_BINARY_PATH) + "/test-frames");
    const GameRun run = runGameUntilEscape(5);
    EXPECT_EQ(run.result, 0);

    const std::string userFolder = home.path() + "/Library/Preferences/.tessaroPuzzleGame";
    EXPECT_EQ(myDocsFolder, userFolder);
    EXPECT_EQ(fileType(userFolder + "/data"), fileFolder);
    EXPECT_EQ(fileType(userFolder + "/profiles"), fileFolder);

    // The settings file of a first run holds the defaults, and the game opened in a window.
    auto stored = CreateTSCFile();
    LoadTSCFile(stored, userFolder + "/data/options.tsc");
    EXPECT_FLOAT_EQ(GetTSCNumberKey(stored, "options", "sound"), 0.5f);
    EXPECT_FLOAT_EQ(GetTSCNumberKey(stored, "options", "music"), 0.5f);
    EXPECT_FLOAT_EQ(GetTSCNumberKey(stored, "options", "ekran"), 0.0f);
    EXPECT_FALSE(run.fullScreenInMenu);

    EXPECT_EQ(run.titleAtLoading, "Tessaro Puzzle Game");
    EXPECT_FALSE(run.cursorShownAtLoading);
    EXPECT_TRUE(systemCursorVisible()); // shown again at the end
    EXPECT_NEAR(run.firstMenuDelta, 0.0f, 0.1f);

    // "Loading..." over the menu picture: centred about x = 400, its top at y = 290.
    ASSERT_TRUE(run.loadingFrame);
    auto picture = loadPixmap("gfx/menu-screen.jpg");
    ASSERT_TRUE(picture);
    const Box text = differences(*run.loadingFrame, *picture);
    ASSERT_GE(text.right, 0) << "nothing was drawn over the loading picture";
    EXPECT_NEAR((text.left + text.right) / 2.0, 400.0, 3.0);
    EXPECT_GE(text.top, 290);
    EXPECT_LE(text.bottom, 290 + 45);
}

TEST(StartUp, AFolderThatCannotBeMadeStillLetsTheGameRun) {
    testing_support::TempHome home;
    // "Library" is a file, so the per-user folder can never be created below it.
    ASSERT_TRUE(saveText(home.path() + "/Library", "not a folder"));
    const GameRun run = runGameUntilEscape(3);
    EXPECT_EQ(run.result, 0);
    EXPECT_FALSE(userFolderReady);
    EXPECT_EQ(loadText(home.path() + "/Library").value_or(""), "not a folder");
}

TEST(StartUp, TheEntryPointRunsOnlyOnce) {
    testing_support::TempHome home;
    EXPECT_EQ(runGameUntilEscape(2).result, 0);
    headless::setFrameHook([](long) { FAIL() << "a second run must not draw"; });
    EXPECT_EQ(tessaroMain(), 0);
    headless::reset();
}

TEST(StartUp, StoredSettingsChooseFullScreenAndTheLiveVolumes) {
    testing_support::TempHome home;
    const std::string data = home.path() + "/Library/Preferences/.tessaroPuzzleGame/data";
    ASSERT_TRUE(createFolders(data));
    ASSERT_TRUE(saveText(data + "/options.tsc", "options{\n\tsound=7\n\tmusic=2.5\n\tekran=1.9\n}\n"));
    const GameRun run = runGameUntilEscape(3);
    EXPECT_EQ(run.result, 0);
    EXPECT_TRUE(run.fullScreenInMenu);
    EXPECT_EQ(settings->fullScreen, 1);
    EXPECT_FLOAT_EQ(options->soundVol, 0.7f);
    EXPECT_FLOAT_EQ(options->musicVol, 0.25f);
}

TEST(StartUp, ADamagedSettingsFileIsReportedKeptAndTheDefaultsUsed) {
    testing_support::TempHome home;
    const std::string data = home.path() + "/Library/Preferences/.tessaroPuzzleGame/data";
    ASSERT_TRUE(createFolders(data));
    const std::string damaged = "options{\n\tsound=7\n\tmusic=";
    ASSERT_TRUE(saveText(data + "/options.tsc", damaged));
    const GameRun run = runGameUntilEscape(3);
    EXPECT_EQ(run.result, 0);
    EXPECT_FALSE(run.fullScreenInMenu);
    EXPECT_FLOAT_EQ(options->soundVol, 0.05f);
    EXPECT_EQ(loadText(data + "/options.tsc").value_or(""), damaged);
}
