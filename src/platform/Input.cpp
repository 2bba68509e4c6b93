// The event pump: mouse and keys from system events and from scripted test input.
#include "platform/Input.h"
#include "platform/System.h"
#include "platform/internal/Backend.h"

#include <algorithm>

namespace platform {
namespace internal {

InputState& input() {
    static InputState state;
    return state;
}

namespace {

// The keys the game listens to; every other key is ignored.
constexpr struct {
    SDL_Keycode code;
    Key key;
} gameKeys[] = {{SDLK_ESCAPE, Key::Escape}, {SDLK_SPACE, Key::Space}, {SDLK_s, Key::S}, {SDLK_h, Key::H}};

void pressLeft(InputState& in) {
    ++in.leftHits;
    in.leftDown = true;
}

void hitKey(InputState& in, Key key) {
    ++in.keyHits[static_cast<int>(key)];
}

// Window coordinates to canvas coordinates, through the letterbox.
void moveTo(InputState& in, int windowX, int windowY) {
    auto& g = graphics();
    float px = static_cast<float>(windowX), py = static_cast<float>(windowY);
    if (g.window && g.renderer) {
        int winW = 1, winH = 1, outW = 1, outH = 1;
        SDL_GetWindowSize(g.window, &winW, &winH);
        SDL_GetRendererOutputSize(g.renderer, &outW, &outH);
        px *= static_cast<float>(outW) / std::max(1, winW);
        py *= static_cast<float>(outH) / std::max(1, winH);
        if (g.letterbox.w > 0 && g.letterbox.h > 0) {
            px = (px - g.letterbox.x) * g.width / g.letterbox.w;
            py = (py - g.letterbox.y) * g.height / g.letterbox.h;
        }
    }
    in.mouseX = static_cast<int>(px);
    in.mouseY = static_cast<int>(py);
}

void applyScripted(InputState& in) {
    while (!in.queue.empty()) {
        const ScriptedEvent e = in.queue.front();
        in.queue.pop_front();
        switch (e.kind) {
        case ScriptedEvent::move:
            in.mouseX = e.x;
            in.mouseY = e.y;
            break;
        case ScriptedEvent::down:
            pressLeft(in);
            break;
        case ScriptedEvent::up:
            in.leftDown = false;
            break;
        case ScriptedEvent::key:
            hitKey(in, e.keyCode);
            break;
        }
    }
}

} // namespace
} // namespace internal

void pumpEvents() {
    auto& in = internal::input();
    internal::applyScripted(in);
    if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            throw QuitRequested{};
        case SDL_MOUSEMOTION:
            internal::moveTo(in, event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) {
                internal::moveTo(in, event.button.x, event.button.y);
                internal::pressLeft(in);
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT) in.leftDown = false;
            break;
        case SDL_KEYDOWN:
            if (event.key.repeat) break;
            for (const auto& k : internal::gameKeys) {
                if (k.code == event.key.keysym.sym) internal::hitKey(in, k.key);
            }
            break;
        case SDL_RENDER_DEVICE_RESET:
            internal::recreateCanvas();
            break;
        default:
            break;
        }
    }
}

void pollSystem() {
    static int lastPump = -1000;
    const int now = millisecs();
    if (now - lastPump < 4 && now >= lastPump) return;
    lastPump = now;
    pumpEvents();
}

int mouseX() {
    return internal::input().mouseX;
}
int mouseY() {
    return internal::input().mouseY;
}
bool leftDown() {
    return internal::input().leftDown;
}

int leftHits() {
    auto& in = internal::input();
    const int hits = in.leftHits;
    in.leftHits = 0;
    return hits;
}

int keyHits(Key key) {
    auto& in = internal::input();
    const int hits = in.keyHits[static_cast<int>(key)];
    in.keyHits[static_cast<int>(key)] = 0;
    return hits;
}

void flushInput() {
    auto& in = internal::input();
    in.leftHits = 0;
    in.leftDown = false;
    std::fill(std::begin(in.keyHits), std::end(in.keyHits), 0);
}

} // namespace platform
