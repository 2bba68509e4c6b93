// The four sound effects, each played on a new channel at the live effect volume.
#pragma once

#include "platform/Audio.h"

#include <array>
#include <memory>

class TGlobalSnd {
  public:
    static constexpr int tableSize = 35;
    std::array<platform::SoundPtr, tableSize> sounds;

    void load();
    // Null when the table has no sound at `index`.
    platform::ChannelPtr play(int index, const platform::ChannelPtr& channel, int restart);
    void click(); // a piece or group put down
    void good();  // a snap
    void bad();   // a question window opens
    void info();  // the puzzle completed
    void pause(int index);
    void resume(int index);

  private:
    std::array<platform::ChannelPtr, tableSize> channels_;
};

extern std::shared_ptr<TGlobalSnd> globalSnd;

// Plays `sound` at the live effect volume (see the source for the channel rules).
platform::ChannelPtr playSound2(const platform::SoundPtr& sound, const platform::ChannelPtr& channel,
                                int restart);
