// The frame clock: how many ideal 1/60 s frames passed since the previous frame (`delta`).
#pragma once

#include <memory>

class TDeltaTime {
  public:
    int lastTime = 0;
    int elapsed = 0;
    float targetFps = 0;
    float msPerFrame = 0;

    static std::shared_ptr<TDeltaTime> Create(float fps);
    void SetFPS(float fps);
    // Reads the millisecond counter: `elapsed` becomes the time since the previous Update.
    void Update();
    float CurrDelta() const;
    // Frames counted in the previous whole second.
    int FPS() const { return framesPerSecond_; }

  private:
    int framesPerSecond_ = 0;
    int frameCounter_ = 0;
    int nextSecond_ = 0;
};

extern std::shared_ptr<TDeltaTime> deltatime;
// The frame delta of the current frame, written once per frame by every screen loop; no clamping.
extern float delta;
