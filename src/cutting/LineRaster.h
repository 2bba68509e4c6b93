// The one-pixel, 8-connected line rule the cut lines are drawn with, on the CPU, so the pixels the
// cutter fills against are the same whatever renderer the game runs on.
#pragma once

#include <cstdlib>

// Calls plot(x, y) for every pixel of the line from (x1, y1) to (x2, y2), both end pixels included,
// walking from the first point to the second (integer Bresenham).
template <typename Plot> void forEachLinePixel(int x1, int y1, int x2, int y2, Plot&& plot) {
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(x1, y1);
        if (x1 == x2 && y1 == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}
