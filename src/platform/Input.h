// Polled input: the mouse in canvas coordinates and key hits, gathered by one event pump a frame.
#pragma once

namespace platform {

enum class Key { Escape, Space, S, H };

// Processes pending system events (and any queued scripted input). Closing the window throws
// QuitRequested, which the entry point catches to end the game.
void pumpEvents();
struct QuitRequested {};
// The same, but skipped when the previous pump was less than a few milliseconds ago: for long work
// that keeps the system responsive from inside tight loops.
void pollSystem();

int mouseX();
int mouseY();
bool leftDown();
// Presses of the left button since the previous call (the count is consumed).
int leftHits();
// Hits of a key since the previous call for that key (the count is consumed).
int keyHits(Key key);
// Forgets pending hits and the held state (used when a screen must not see an earlier click).
void flushInput();

} // namespace platform
