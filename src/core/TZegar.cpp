// Loading, ticking and drawing the animated clock.
#include "core/TZegar.h"

#include "platform/Draw.h"
#include "platform/System.h"

#include <string>

std::array<platform::ImagePtr, 10> TZegar::img;
std::shared_ptr<TZegar> zegar;

void TZegar::setup() {
    for (int i = 0; i < 10; ++i) {
        const std::string path = "gfx/zegar/puzel3_000" + std::to_string(i) + ".png";
        img[i] = platform::Image::load(path);
        if (img[i]) {
            img[i]->midHandle();
        } else {
            platform::messageBox("Tessaro Puzzle Game", "Nie mozna zaladowac obrazka: " + path);
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
    nextTick = platform::millisecs() + 600;
    frame = 0;
}

void TZegar::update() {
    const int now = platform::millisecs();
    if (now <= nextTick) return;
    ++frame;
    if (frame > 9) frame = 0;
    nextTick = now + 600;
}

std::shared_ptr<TZegar> stworzZegar(int x, int y) {
    auto clock = std::make_shared<TZegar>();
    clock->x = x;
    clock->y = y;
    clock->frame = 0;
    clock->nextTick = platform::millisecs();
    return clock;
}
