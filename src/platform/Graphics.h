// The graphics mode: one window (or desktop full screen) showing the 800 x 600 canvas scaled with
// letterboxing, and the paced present. Switching between window and full screen keeps the same
// window and renderer, so every image stays valid.
#pragma once

#include <string>

namespace platform {

// Opens the mode, or switches the open one between window and full screen. False (with a message
// on stderr) when no window could be made; drawing then does nothing.
bool openGraphics(int width, int height, bool fullScreen);
void closeGraphics();
bool graphicsOpen();
bool isFullScreen();
int canvasWidth();
int canvasHeight();

void setWindowTitle(const std::string& title);
std::string windowTitle();
void showSystemCursor(bool visible);
bool systemCursorVisible();

// Presents the canvas, paced to 60 frames a second without busy-waiting (vsync where the display
// gives it, a sleeping limiter otherwise; under the virtual clock, no waiting at all).
void flip();
// Frames presented since start.
long framesPresented();

// Name of the renderer in use ("software", "opengl", ...); empty when closed.
std::string rendererName();

} // namespace platform
