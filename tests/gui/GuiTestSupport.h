// Shared helpers for the toolkit's tests: the mouse, coloured test images, and measuring what was
// drawn on the canvas.
#pragma once

#include "Headless.h"
#include "core/TMouse.h"
#include "gui/TButton.h"
#include "platform/Draw.h"
#include "platform/Font.h"
#include "platform/Pixmap.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gui_test {

constexpr uint32_t black = platform::argb(255, 0, 0, 0);
constexpr uint32_t red = platform::argb(255, 255, 0, 0);
constexpr uint32_t green = platform::argb(255, 0, 255, 0);
constexpr uint32_t blue = platform::argb(255, 0, 0, 255);
constexpr uint32_t white = platform::argb(255, 255, 255, 255);
constexpr uint32_t grey = platform::argb(255, 128, 128, 128);
constexpr uint32_t yellow = platform::argb(255, 255, 255, 0);
constexpr uint32_t magenta = platform::argb(255, 255, 0, 255);

// A strip of equal cells, cell i filled with colours[i], side by side or stacked.
inline platform::PixmapPtr colourStrip(const std::vector<uint32_t>& colours, int cellWidth, int cellHeight,
                                       bool sideBySide) {
    const int n = static_cast<int>(colours.size());
    auto strip = platform::Pixmap::create(sideBySide ? cellWidth * n : cellWidth,
                                          sideBySide ? cellHeight : cellHeight * n);
    for (int i = 0; i < n; ++i) {
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                strip->write(sideBySide ? i * cellWidth + x : x, sideBySide ? y : i * cellHeight + y,
                             colours[i]);
            }
        }
    }
    return strip;
}

// First and last columns of row y whose pixels pass `test` (-1 when none).
struct Span {
    int first = -1;
    int last = -1;
    int length() const { return first < 0 ? 0 : last - first + 1; }
    float middle() const { return (first + last) / 2.0f; }
};

inline Span rowSpan(const platform::Pixmap& canvas, int y, const std::function<bool(uint32_t)>& test) {
    Span run;
    for (int x = 0; x < canvas.width(); ++x) {
        if (!test(canvas.read(x, y))) continue;
        if (run.first < 0) run.first = x;
        run.last = x;
    }
    return run;
}

// The same down column x.
inline Span columnSpan(const platform::Pixmap& canvas, int x, const std::function<bool(uint32_t)>& test) {
    Span run;
    for (int y = 0; y < canvas.height(); ++y) {
        if (!test(canvas.read(x, y))) continue;
        if (run.first < 0) run.first = y;
        run.last = y;
    }
    return run;
}

inline bool allBlack(const platform::Pixmap& canvas) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if ((canvas.read(x, y) & 0xFFFFFF) != 0) return false;
        }
    }
    return true;
}

// Graphics open, the global mouse made, and a way to run one button frame.
class GuiTest : public testing_support::HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        mouse = std::make_shared<TPuzzelMouse>();
    }
    void TearDown() override {
        mouse.reset();
        HeadlessTest::TearDown();
    }
    static void setMouse(int x, int y, bool hit = false, bool down = false) {
        mouse->x = x;
        mouse->y = y;
        mouse->leftHit = hit;
        mouse->leftDown = down;
    }
    // One frame of a button on a cleared canvas: the mouse set, the button polled, then drawn.
    // Returns the code the poll reported.
    static int buttonFrame(TButton& button, int x, int y, bool hit = false, bool down = false) {
        platform::cls();
        setMouse(x, y, hit, down);
        const int code = button.State();
        button.Draw();
        return code;
    }
};

} // namespace gui_test
