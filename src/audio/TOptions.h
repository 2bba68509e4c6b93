// The live music and sound-effect volumes that the audio functions read (the global `options`).
#pragma once

#include <memory>

class TOptions {
  public:
    float musicVol = 0.5f;
    float soundVol = 0.8f;
};

extern std::shared_ptr<TOptions> options;
