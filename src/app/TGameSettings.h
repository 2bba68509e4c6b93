// The settings window and the stored settings (music level, sound level, window mode).
#pragma once

#include <memory>
#include <string>

class TGameSettings {
  public:
    int windowX = 0;
    int windowY = 0;
    int mode = 0;
    int quit = 0;
    int fullScreen = 0;
    float musicLevel = 0.5f;
    float soundLevel = 0.5f;
    int editFullScreen = 0;
    float editMusicLevel = 0.5f;
    float editSoundLevel = 0.5f;

    // Reads the stored settings from the per-user folder (before the graphics mode opens); a missing
    // file is written with the defaults, a damaged one is reported and left alone.
    void Load();
    void setup();
    // Writes the stored values; false (after telling the player) when they could not be written.
    bool save();
    void stworzOpcje();

    // Where the settings are stored; empty when the per-user folder could not be made.
    std::string settingsPath() const;
};

extern std::shared_ptr<TGameSettings> settings;
