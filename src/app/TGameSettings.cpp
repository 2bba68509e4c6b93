// Stored settings. The window itself comes with the settings-window work; until then the defaults
// of a first run are used and applied to the live volumes.
#include "app/TGameSettings.h"

#include "app/StartUp.h"
#include "audio/TOptions.h"

std::shared_ptr<TGameSettings> settings;

std::string TGameSettings::settingsPath() const {
    return userFolderReady ? myDocsFolder + "/data/options.tsc" : std::string();
}

void TGameSettings::Load() {
    fullScreen = 0;
    musicLevel = 0.5f;
    soundLevel = 0.5f;
}

void TGameSettings::setup() {
    windowX = 200;
    windowY = 220;
    editMusicLevel = musicLevel;
    editSoundLevel = soundLevel;
    editFullScreen = fullScreen;
    options->musicVol = musicLevel / 10.0f;
    options->soundVol = soundLevel / 10.0f;
}
