// The window, the renderer, the 800 x 600 canvas texture and the paced present.
#include "platform/Graphics.h"
#include "platform/System.h"
#include "platform/internal/Backend.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace platform {
namespace internal {

GraphicsState& graphics() {
    static auto* state = new GraphicsState; // outlives every image that may still hold a texture
    return *state;
}

namespace {

struct TextureHolder {
    SDL_Texture* texture = nullptr;
    uint64_t generation = 0;
    uint64_t revision = 0;
    int width = 0, height = 0;
    ~TextureHolder() {
        if (texture && generation == graphics().generation && graphics().renderer)
            SDL_DestroyTexture(texture);
    }
};

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

bool makeCanvas() {
    auto& g = graphics();
    if (g.canvas) SDL_DestroyTexture(g.canvas);
    g.canvas =
        SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, g.width, g.height);
    if (!g.canvas) return false;
    SDL_SetTextureScaleMode(g.canvas, SDL_ScaleModeLinear);
    SDL_SetRenderTarget(g.renderer, g.canvas);
    SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
    SDL_RenderClear(g.renderer);
    return true;
}

void updateLetterbox() {
    auto& g = graphics();
    int outW = g.width, outH = g.height;
    SDL_GetRendererOutputSize(g.renderer, &outW, &outH);
    const float scale = std::min(static_cast<float>(outW) / g.width, static_cast<float>(outH) / g.height);
    const float w = g.width * scale, h = g.height * scale;
    g.letterbox = {(outW - w) / 2.0f, (outH - h) / 2.0f, w, h};
}

// Waits until the next frame is due on a fixed 60 Hz schedule. With vsync the present then waits for
// the display as well; because the schedule is absolute, a frame that just misses a refresh costs one
// refresh of latency, never a halved frame rate, and a faster display is still capped at 60.
void pace() {
    auto& g = graphics();
    auto& headless = headlessState();
    if (headless.virtualClock) {
        headless.virtualMs += headless.frameTimes[headless.frameTimeIndex++ % 2];
        return;
    }
    const double period = 1000.0 / 60.0;
    double now = nowMs();
    if (g.nextPresentMs - now > 0.2) {
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(g.nextPresentMs - now));
        now = nowMs();
    }
    // Fell more than a frame behind (a long load): start counting again instead of racing to catch up.
    g.nextPresentMs = now - g.nextPresentMs > period ? now + period : g.nextPresentMs + period;
}

} // namespace

SDL_Texture* textureFor(std::shared_ptr<void>& slot, const Pixmap& pixmap) {
    auto& g = graphics();
    if (!g.renderer || pixmap.width() <= 0 || pixmap.height() <= 0) return nullptr;
    auto holder = std::static_pointer_cast<TextureHolder>(slot);
    const bool reusable = holder && holder->generation == g.generation && holder->width == pixmap.width() &&
                          holder->height == pixmap.height();
    if (reusable && holder->revision == pixmap.revision()) return holder->texture;
    if (!reusable) {
        holder = std::make_shared<TextureHolder>();
        holder->texture = SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                            pixmap.width(), pixmap.height());
        if (!holder->texture) return nullptr;
        holder->generation = g.generation;
        holder->width = pixmap.width();
        holder->height = pixmap.height();
        SDL_SetTextureBlendMode(holder->texture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(holder->texture, SDL_ScaleModeLinear);
        slot = holder;
    }
    SDL_UpdateTexture(holder->texture, nullptr, pixmap.data(), pixmap.width() * 4);
    holder->revision = pixmap.revision();
    return holder->texture;
}

void recreateCanvas() {
    auto& g = graphics();
    ++g.generation;
    makeCanvas();
}

} // namespace internal

using internal::graphics;

bool openGraphics(int width, int height, bool fullScreen) {
    auto& g = graphics();
    if (g.window) {
        if (g.fullScreen != fullScreen) {
            SDL_SetWindowFullscreen(g.window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
            if (!fullScreen) {
                SDL_SetWindowSize(g.window, g.width, g.height);
                SDL_SetWindowPosition(g.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
            }
            g.fullScreen = fullScreen;
        }
        showSystemCursor(false);
        return true;
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "Cannot start the video system: %s\n", SDL_GetError());
        return false;
    }
    g.width = width;
    g.height = height;
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    g.window = SDL_CreateWindow(g.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                height, flags);
    if (!g.window) {
        std::fprintf(stderr, "Cannot open a window: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetWindowMinimumSize(g.window, width / 2, height / 2);
    g.renderer = SDL_CreateRenderer(
        g.window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC | SDL_RENDERER_TARGETTEXTURE);
    if (!g.renderer)
        g.renderer = SDL_CreateRenderer(g.window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
    if (!g.renderer) {
        std::fprintf(stderr, "Cannot start a renderer: %s\n", SDL_GetError());
        SDL_DestroyWindow(g.window);
        g.window = nullptr;
        return false;
    }
    ++g.generation;
    if (!internal::makeCanvas()) {
        std::fprintf(stderr, "Cannot make the drawing canvas: %s\n", SDL_GetError());
        closeGraphics();
        return false;
    }
    g.fullScreen = fullScreen;
    g.nextPresentMs = 0;
    showSystemCursor(false);
    return true;
}

void closeGraphics() {
    auto& g = graphics();
    ++g.generation; // textures die with the renderer
    if (g.canvas) SDL_DestroyTexture(g.canvas);
    if (g.renderer) SDL_DestroyRenderer(g.renderer);
    if (g.window) SDL_DestroyWindow(g.window);
    g.canvas = nullptr;
    g.renderer = nullptr;
    g.window = nullptr;
    SDL_ShowCursor(SDL_ENABLE);
    g.cursorVisible = true;
}

bool graphicsOpen() {
    return graphics().renderer != nullptr;
}
bool isFullScreen() {
    return graphics().fullScreen;
}
int canvasWidth() {
    return graphics().width;
}
int canvasHeight() {
    return graphics().height;
}

void setWindowTitle(const std::string& title) {
    graphics().title = title;
    if (graphics().window) SDL_SetWindowTitle(graphics().window, title.c_str());
}

std::string windowTitle() {
    return graphics().title;
}

void showSystemCursor(bool visible) {
    graphics().cursorVisible = visible;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

bool systemCursorVisible() {
    return graphics().cursorVisible;
}

void flip() {
    auto& g = graphics();
    auto& headless = internal::headlessState();
    ++g.presented;
    if (headless.hook && !headless.inFrameHook) {
        headless.inFrameHook = true;
        try {
            headless.hook(g.presented);
        } catch (...) {
            headless.inFrameHook = false;
            throw;
        }
        headless.inFrameHook = false;
    }
    internal::pace();
    if (!g.renderer) return;
    SDL_SetRenderTarget(g.renderer, nullptr);
    internal::updateLetterbox();
    SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
    SDL_RenderClear(g.renderer);
    SDL_RenderCopyF(g.renderer, g.canvas, nullptr, &g.letterbox);
    SDL_RenderPresent(g.renderer);
    SDL_SetRenderTarget(g.renderer, g.canvas);
}

long framesPresented() {
    return graphics().presented;
}

std::string rendererName() {
    if (!graphics().renderer) return {};
    SDL_RendererInfo info;
    SDL_GetRendererInfo(graphics().renderer, &info);
    return info.name ? info.name : "";
}

} // namespace platform
