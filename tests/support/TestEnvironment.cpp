// Every test program runs headless by default: the dummy video and audio drivers, the software
// renderer and the generated data tree, unless the environment already says otherwise.
#include <cstdlib>

namespace {

const bool headlessDefaults = [] {
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::setenv("SDL_RENDER_DRIVER", "software", 0);
    ::setenv("TESSARO_DATA", TESSARO_DATA_PATH, 0);
    return true;
}();

} // namespace
