// Seams for running the real game without a display: a virtual millisecond clock, scripted mouse
// and key input, and a hook called at every present.
#pragma once

#include "platform/Input.h"

#include <functional>
#include <string>

namespace platform::headless {

// Under the virtual clock millisecs() only moves when advanced: by advanceClock and by every
// present, which adds 16 and 17 ms in turn (a 60 Hz frame on average) unless set otherwise.
void useVirtualClock(bool on);
bool virtualClock();
void advanceClock(int ms);
void setFrameTime(int firstMs, int secondMs);

// Called inside every flip, after the frame is drawn and before it is shown; the frame number
// counts presents from 1. The hook may queue input, inspect the game and save the frame.
using FrameHook = std::function<void(long frame)>;
void setFrameHook(FrameHook hook);

// Scripted input, applied in order at the next event pump.
void queueMouseMove(int x, int y);
void queueMouseDown();
void queueMouseUp();
void queueKey(Key key);
void clearQueue();

// Writes the canvas as drawn so far in this frame to a PNG file.
bool saveFrame(const std::string& path);

// Between tests: the virtual clock back to 0 with the default frame times, no hook, an empty queue
// and no pending input. Whether the virtual clock is on, and the count of presents, are kept.
void reset();

} // namespace platform::headless
