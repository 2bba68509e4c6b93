// State shared by the platform's own source files: the SDL window and renderer, the drawing state,
// the input state and the headless seams. Nothing outside platform/ includes this.
#pragma once

#include "platform/Font.h"
#include "platform/Headless.h"
#include "platform/Input.h"

#include <SDL.h>
#include <deque>
#include <functional>
#include <string>

namespace platform::internal {

struct GraphicsState {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* canvas = nullptr; // every frame is drawn here at 800 x 600, then scaled to the window
    int width = 800;
    int height = 600;
    bool fullScreen = false;
    bool cursorVisible = true;
    std::string title;
    uint64_t generation = 1;             // bumped when textures must be made again
    SDL_FRect letterbox{0, 0, 800, 600}; // where the canvas lands in the window, in output pixels
    long presented = 0;
    double nextPresentMs = 0;
};

struct DrawState {
    int red = 255, green = 255, blue = 255;
    float alpha = 1.0f;
    int blend = 3;
    float scaleX = 1.0f, scaleY = 1.0f;
    float rotation = 0.0f;
    int clearRed = 0, clearGreen = 0, clearBlue = 0;
    ImageFontPtr font;
};

struct ScriptedEvent {
    enum Kind { move, down, up, key } kind;
    int x = 0, y = 0;
    Key keyCode = Key::Escape;
};

struct InputState {
    int mouseX = 0, mouseY = 0;
    bool leftDown = false;
    int leftHits = 0;
    int keyHits[4] = {0, 0, 0, 0};
    std::deque<ScriptedEvent> queue;
};

struct HeadlessState {
    bool virtualClock = false;
    bool inFrameHook = false;
    long virtualMs = 0;
    int frameTimes[2] = {16, 17};
    long frameTimeIndex = 0;
    headless::FrameHook hook;
    std::function<void(const std::string&, const std::string&)> messageSink;
};

GraphicsState& graphics();
DrawState& drawState();
InputState& input();
HeadlessState& headlessState();

// The renderer-side texture of a pixmap, made on first use and made again when the pixmap changed or
// the renderer lost its textures; null without a renderer.
SDL_Texture* textureFor(std::shared_ptr<void>& slot, const Pixmap& pixmap);
// Applies colour, alpha and blend mode of the drawing state to a texture before a copy.
void applyState(SDL_Texture* texture);
// Makes the canvas again after the renderer lost its textures (Graphics.cpp).
void recreateCanvas();

} // namespace platform::internal
