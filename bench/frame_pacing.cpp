// Measures the paced present: frames per second and processor time over three seconds of a simple
// scene, on whatever video driver the environment gives (a real window, Xvfb, or the dummy driver).
#include "platform/Draw.h"
#include "platform/Graphics.h"

#include <chrono>
#include <cstdio>
#include <ctime>

int main() {
    if (!platform::openGraphics(800, 600, false)) return 1;
    const int frames = 180;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < frames; ++i) {
        platform::cls();
        platform::setColour(i % 256, 120, 200);
        platform::drawRect(100, 100, 600, 400);
        platform::flip();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("renderer %s: %d frames in %.3f s = %.1f frames a second, processor %.0f%% of one core\n",
                platform::rendererName().c_str(), frames, seconds, frames / seconds, 100.0 * cpu / seconds);
    platform::closeGraphics();
    return 0;
}
