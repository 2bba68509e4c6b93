// Drawing on the canvas headless: images with handles, scale, blend modes, lines, text, grabbing.
#include "Headless.h"

#include "platform/Draw.h"
#include "platform/Graphics.h"
#include "platform/Headless.h"
#include "platform/System.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::closeColour;

namespace {

class Drawing : public testing_support::HeadlessTest {};

ImagePtr solid(int w, int h, uint32_t colour) {
    return Image::fromPixmap(Pixmap::create(w, h, colour));
}

} // namespace

TEST_F(Drawing, ImageLandsWithItsHandleAtThePoint) {
    auto img = solid(10, 6, 0xFFFF0000);
    img->setHandle(2, 1);
    drawImage(img, 100, 50);
    EXPECT_EQ(pixel(98, 49), 0xFFFF0000u);
    EXPECT_EQ(pixel(107, 54), 0xFFFF0000u);
    EXPECT_EQ(pixel(97, 49), 0xFF000000u);
    EXPECT_EQ(pixel(108, 54), 0xFF000000u);
    EXPECT_EQ(pixel(98, 55), 0xFF000000u);
}

TEST_F(Drawing, FractionalPositionsTruncateAndScaleGrowsAboutTheHandle) {
    auto img = solid(10, 10, 0xFF00FF00);
    drawImage(img, 20.9f, 20.9f);
    EXPECT_EQ(pixel(20, 20), 0xFF00FF00u);
    EXPECT_EQ(pixel(29, 29), 0xFF00FF00u);
    EXPECT_EQ(pixel(30, 30), 0xFF000000u);

    cls();
    img->midHandle();
    setScale(2, 2);
    drawImage(img, 200, 200);
    setScale(1, 1);
    EXPECT_EQ(pixel(191, 191), 0xFF00FF00u);
    EXPECT_EQ(pixel(208, 208), 0xFF00FF00u);
    EXPECT_EQ(pixel(178, 200), 0xFF000000u);
}

TEST_F(Drawing, FramesOfAStrip) {
    auto strip = Pixmap::create(20, 5, 0xFFFF0000);
    for (int y = 0; y < 5; ++y) {
        for (int x = 10; x < 20; ++x) strip->write(x, y, 0xFF0000FF);
    }
    auto img = Image::fromStrip(strip, 10, 5, 0, 2);
    ASSERT_EQ(img->frames(), 2);
    ASSERT_EQ(img->width(), 10);
    drawImage(img, 0, 0, 1);
    drawImage(img, 20, 0, 0);
    drawImage(img, 40, 0, 2); // no such frame: nothing
    EXPECT_EQ(pixel(5, 2), 0xFF0000FFu);
    EXPECT_EQ(pixel(25, 2), 0xFFFF0000u);
    EXPECT_EQ(pixel(45, 2), 0xFF000000u);
}

TEST_F(Drawing, BlendModesAlphaAndColour) {
    setColour(100, 100, 100);
    drawRect(0, 0, 50, 50);
    auto img = solid(10, 10, 0xFF808080);

    setColour(255, 255, 255);
    setBlend(blendAlpha);
    setAlpha(0.5f);
    drawImage(img, 0, 0);
    EXPECT_TRUE(closeColour(pixel(5, 5), 0xFF727272, 2));

    setBlend(blendMasked); // the image's own pixels, whatever the alpha
    drawImage(img, 10, 0);
    EXPECT_TRUE(closeColour(pixel(15, 5), 0xFF808080, 1));

    setAlpha(1);
    setBlend(blendAdditive);
    drawImage(img, 20, 0);
    EXPECT_TRUE(closeColour(pixel(25, 5), 0xFFE4E4E4, 2));

    setBlend(blendMultiply);
    drawImage(img, 30, 0);
    EXPECT_TRUE(closeColour(pixel(35, 5), 0xFF323232, 2));

    setBlend(blendAlpha);
    setColour(255, 0, 0);
    drawImage(img, 40, 0);
    EXPECT_TRUE(closeColour(pixel(45, 5), 0xFF800000, 1));
    setColour(255, 255, 255);
}

TEST_F(Drawing, LinesIncludeBothEnds) {
    setColour(255, 255, 255);
    drawLine(10, 10, 20, 10);
    EXPECT_EQ(pixel(10, 10), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(20, 10), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(21, 10), 0xFF000000u);
}

TEST_F(Drawing, TextDrawsInsideItsMeasuredBox) {
    auto font = testing_support::testFont(36);
    ASSERT_TRUE(font);
    setImageFont(font);
    const int w = textWidth("Loading...");
    EXPECT_GT(w, 100);
    EXPECT_EQ(textHeight(), font->textHeight());
    drawText("Loading...", 100, 100);
    auto shot = canvas();
    int lit = 0, outside = 0;
    for (int y = 90; y < 160; ++y) {
        for (int x = 90; x < 100 + w + 10; ++x) {
            if (shot->read(x, y) != 0xFF000000u) {
                ++lit;
                if (x < 100 || x >= 100 + w || y < 100 || y >= 100 + textHeight()) ++outside;
            }
        }
    }
    EXPECT_GT(lit, 200);
    EXPECT_EQ(outside, 0);
    setImageFont(nullptr);
}

TEST_F(Drawing, FrameHookSeesEveryPresentAndTheVirtualClockAdvances) {
    std::vector<long> frames;
    headless::setFrameHook([&](long frame) { frames.push_back(frame); });
    const int before = millisecs();
    flip();
    flip();
    EXPECT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1], frames[0] + 1);
    EXPECT_EQ(millisecs() - before, 33);
}

TEST_F(Drawing, WindowModeSwitchKeepsImagesValid) {
    auto img = solid(4, 4, 0xFF00FFFF);
    drawImage(img, 0, 0);
    ASSERT_TRUE(openGraphics(800, 600, true));
    EXPECT_TRUE(isFullScreen());
    cls();
    drawImage(img, 0, 0);
    EXPECT_EQ(pixel(1, 1), 0xFF00FFFFu);
    ASSERT_TRUE(openGraphics(800, 600, false));
    EXPECT_FALSE(isFullScreen());
    EXPECT_FALSE(systemCursorVisible());
}
