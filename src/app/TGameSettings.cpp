// The stored settings: read once at start-up, written when the settings window is confirmed. The
// window itself comes with the settings-window work.
#include "app/TGameSettings.h"

#include "app/StartUp.h"
#include "audio/TOptions.h"
#include "core/Messages.h"
#include "platform/Files.h"
#include "platform/System.h"
#include "storage/TSCError.h"
#include "storage/TSCFunctions.h"

#include <cstdio>

std::shared_ptr<TGameSettings> settings;

std::string TGameSettings::settingsPath() const {
    return userFolderReady ? myDocsFolder + "/data/options.tsc" : std::string();
}

void TGameSettings::Load() {
    const std::string path = settingsPath();
    if (!path.empty()) {
        // The data folder exists: the path is empty without it.
        if (platform::fileType(path) == platform::fileNone) stworzOpcje();
        try {
            auto file = CreateTSCFile();
            LoadTSCFile(file, path);
            const float sound = GetTSCNumberKey(file, "options", "sound", 0);
            const float music = GetTSCNumberKey(file, "options", "music", 0);
            const int screen = static_cast<int>(GetTSCNumberKey(file, "options", "ekran", 0));
            soundLevel = sound;
            musicLevel = music;
            fullScreen = screen;
        } catch (const TSCError& error) {
            // A damaged file is left as it is for the player to mend or delete; the game starts anyway.
            std::fprintf(
                stderr,
                "The settings file %s cannot be read: %s\nThe game starts with the default settings.\n",
                path.c_str(), error.what());
        }
    }
    editMusicLevel = musicLevel;
    editSoundLevel = soundLevel;
    editFullScreen = fullScreen;
}

void TGameSettings::stworzOpcje() {
    save();
}

bool TGameSettings::save() {
    const std::string path = settingsPath();
    if (path.empty()) {
        std::fprintf(stderr, "The settings cannot be stored: there is no per-user folder.\n");
        return false;
    }
    try {
        auto file = CreateTSCFile();
        CreateTSCGroup(file, "", "options");
        SetTSCNumberKey(file, "options", "sound", soundLevel, 0);
        SetTSCNumberKey(file, "options", "music", musicLevel, 0);
        SetTSCNumberKey(file, "options", "ekran", static_cast<float>(fullScreen), 0);
        SaveTSCFile(file, path);
        return true;
    } catch (const TSCError& error) {
        platform::messageBox(messageTitle, std::string("The settings could not be saved: ") + error.what());
        return false;
    }
}

void TGameSettings::setup() {
    windowX = 200;
    windowY = 220;
    options->musicVol = editMusicLevel / 10.0f;
    options->soundVol = editSoundLevel / 10.0f;
}
