// The frame clock.
#include "core/TDeltaTime.h"

#include "platform/System.h"

std::shared_ptr<TDeltaTime> deltatime;
float delta = 0.0f;

std::shared_ptr<TDeltaTime> TDeltaTime::Create(float fps) {
    auto clock = std::make_shared<TDeltaTime>();
    clock->SetFPS(fps);
    return clock;
}

void TDeltaTime::SetFPS(float fps) {
    targetFps = fps;
    msPerFrame = 1000.0f / fps;
}

void TDeltaTime::Update() {
    const int now = platform::millisecs();
    elapsed = now - lastTime;
    lastTime = now;
    if (now > nextSecond_) {
        nextSecond_ = now + 1000;
        framesPerSecond_ = frameCounter_;
        frameCounter_ = 0;
    } else {
        ++frameCounter_;
    }
}

float TDeltaTime::CurrDelta() const {
    return static_cast<float>(elapsed) / msPerFrame;
}
