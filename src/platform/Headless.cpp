// The test seams: virtual clock, scripted input, frame hook and frame capture.
#include "platform/Headless.h"
#include "platform/Draw.h"
#include "platform/Graphics.h"
#include "platform/internal/Backend.h"

namespace platform {
namespace internal {

HeadlessState& headlessState() {
    static HeadlessState state;
    return state;
}

} // namespace internal

namespace headless {

using internal::headlessState;
using internal::ScriptedEvent;

void useVirtualClock(bool on) {
    headlessState().virtualClock = on;
}
bool virtualClock() {
    return headlessState().virtualClock;
}
void advanceClock(int ms) {
    headlessState().virtualMs += ms;
}
void setFrameTime(int firstMs, int secondMs) {
    headlessState().frameTimes[0] = firstMs;
    headlessState().frameTimes[1] = secondMs;
}
void setFrameHook(FrameHook hook) {
    headlessState().hook = std::move(hook);
}

void queueMouseMove(int x, int y) {
    ScriptedEvent e{ScriptedEvent::move};
    e.x = x;
    e.y = y;
    internal::input().queue.push_back(e);
}
void queueMouseDown() {
    internal::input().queue.push_back(ScriptedEvent{ScriptedEvent::down});
}
void queueMouseUp() {
    internal::input().queue.push_back(ScriptedEvent{ScriptedEvent::up});
}
void queueKey(Key key) {
    ScriptedEvent e{ScriptedEvent::key};
    e.keyCode = key;
    internal::input().queue.push_back(e);
}
void clearQueue() {
    internal::input().queue.clear();
}

bool saveFrame(const std::string& path) {
    if (!graphicsOpen()) return false;
    return savePng(*grabPixmap(0, 0, canvasWidth(), canvasHeight()), path);
}

void reset() {
    auto& h = headlessState();
    h.virtualMs = 0;
    h.frameTimeIndex = 0;
    h.frameTimes[0] = 16;
    h.frameTimes[1] = 17;
    h.hook = nullptr;
    clearQueue();
    flushInput();
}

} // namespace headless
} // namespace platform
