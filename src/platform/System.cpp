// Home folder, web pages, messages and time.
#include "platform/System.h"
#include "platform/internal/Backend.h"

#include <SDL.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <thread>
#include <unistd.h>

namespace platform {

std::string homeDir() {
    std::string path;
    if (const char* home = std::getenv("HOME"); home && *home) {
        path = home;
    } else {
        struct passwd entry;
        struct passwd* result = nullptr;
        char buffer[4096];
        if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &result) == 0 && result && result->pw_dir)
            path = result->pw_dir;
    }
    return path.size() <= 1024 ? path : std::string();
}

bool openUrl(const std::string& url) {
    if (internal::headlessState().virtualClock) return true; // tests never start a browser
    return SDL_OpenURL(url.c_str()) == 0;
}

void setMessageSink(std::function<void(const std::string&, const std::string&)> sink) {
    internal::headlessState().messageSink = std::move(sink);
}

void messageBox(const std::string& title, const std::string& text) {
    if (const auto& sink = internal::headlessState().messageSink) {
        sink(title, text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    std::fflush(stderr);
    const char* driver = SDL_GetCurrentVideoDriver();
    if (internal::graphics().window && driver && SDL_strcmp(driver, "dummy") != 0 &&
        SDL_strcmp(driver, "offscreen") != 0) {
        const bool cursor = internal::graphics().cursorVisible;
        SDL_ShowCursor(SDL_ENABLE);
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(),
                                 internal::graphics().window);
        SDL_ShowCursor(cursor ? SDL_ENABLE : SDL_DISABLE);
    }
}

int millisecs() {
    auto& headless = internal::headlessState();
    if (headless.virtualClock) return static_cast<int>(headless.virtualMs);
    static const auto start = std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void sleepMs(int ms) {
    if (ms <= 0) return;
    auto& headless = internal::headlessState();
    if (headless.virtualClock) {
        headless.virtualMs += ms;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace platform
