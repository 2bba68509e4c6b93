// The mouse and the game's cursor.
#include "core/TMouse.h"

#include "platform/Draw.h"
#include "platform/Input.h"

std::shared_ptr<TPuzzelMouse> mouse;

void TMouse::loadCursor(const std::string& path, int handleX, int handleY) {
    cursorImage = platform::Image::load(path);
    if (cursorImage) cursorImage->setHandle(static_cast<float>(handleX), static_cast<float>(handleY));
}

void TMouse::Draw() {
    platform::setBlend(platform::blendAlpha);
    platform::setColour(255, 255, 255);
    platform::setRotation(0);
    platform::setScale(1, 1);
    platform::setAlpha(1.0f);
    platform::drawImage(cursorImage, static_cast<float>(x), static_cast<float>(y));
}

void TMouse::fetchState() {
    platform::pumpEvents();
    x = platform::mouseX();
    y = platform::mouseY();
    leftDown = platform::leftDown();
    leftHit = platform::leftHits() > 0;
}

void TMouse::Clear() {
    x = 0;
    y = 0;
    leftHit = false;
    leftDown = false;
}
