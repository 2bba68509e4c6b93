// Loading, ticking and drawing the animated clock.
#include "core/TZegar.h"

#include "core/Messages.h"
#include "platform/Draw.h"
#include "platform/System.h"

#include <string>

std::array<platform::ImagePtr, 10> TZegar::img;
std::shared_ptr<TZegar> zegar;

namespace {

constexpr int tickMs = 600; // one frame of the animation

} // namespace

void TZegar::setup() {
    for (size_t i = 0; i < img.size(); ++i) {
        const std::string path = "gfx/zegar/puzel3_000" + std::to_string(i) + ".png";
        img[i] = platform::Image::load(path);
        if (img[i]) {
            img[i]->midHandle();
        } else {
            tellCannotLoadImage(path);
        }
    }
}

void TZegar::draw() const {
    platform::setScale(1, 1);
    platform::setColour(255, 255, 255);
    if (frame >= 0 && frame < static_cast<int>(img.size())) {
        platform::drawImage(img[frame], static_cast<float>(x), static_cast<float>(y));
    }
}

void TZegar::start() {
    nextTick = platform::millisecs() + tickMs;
    frame = 0;
}

void TZegar::update() {
    const int now = platform::millisecs();
    if (now <= nextTick) return;
    if (++frame >= static_cast<int>(img.size())) frame = 0;
    nextTick = now + tickMs;
}

std::shared_ptr<TZegar> stworzZegar(int x, int y) {
    auto clock = std::make_shared<TZegar>();
    clock->x = x;
    clock->y = y;
    clock->nextTick = platform::millisecs();
    return clock;
}
