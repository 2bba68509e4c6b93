// Buttons in their looks and a justified paragraph drawn together, saved for looking at, with the
// paragraph checked against its box.
#include "GuiTestSupport.h"

#include "gui/ButtonFactory.h"
#include "gui/JustifiedText.h"
#include "gui/TMenu.h"
#include "platform/Draw.h"

namespace {

using namespace gui_test;

TEST_F(GuiTest, ButtonsAndAJustifiedParagraph) {
    auto font = testing_support::testFont(14);
    ASSERT_TRUE(font);
    platform::setClearColour(30, 40, 60);
    platform::cls();

    // Three strip buttons shown at rest, hovered and held, and a growing one fully grown.
    auto strip =
        colourStrip({platform::argb(255, 200, 60, 60), platform::argb(255, 60, 200, 60)}, 80, 30, true);
    const struct {
        int x;
        bool over, down;
    } looks[] = {{40, false, false}, {140, true, false}, {240, true, true}};
    for (const auto& look : looks) {
        auto button = CreateAnimButton(1, strip, {0, 1},
                                       CreateDim(static_cast<float>(look.x), 40, 0, 0, 0, 1, 1, 0), 1);
        setMouse(look.over ? look.x + 40 : 0, look.over ? 55 : 0, look.down, look.down);
        button->State();
        button->Draw();
    }
    auto grow = CreateSimpleButton(2, platform::Pixmap::create(80, 30, platform::argb(255, 60, 60, 220)),
                                   CreateDim(360, 40, 0, 0, 0, 1, 1, 0), true, true, 0);
    setMouse(400, 55);
    for (int i = 0; i < 10; ++i) {
        grow->State();
        grow->Draw();
    }

    const std::string text =
        "Drag the pieces onto the board. A piece dropped close to its neighbour snaps into "
        "place and joins its group; when the last piece joins, the picture is complete.";
    const int x = 40, y = 120, lineGap = 2;
    const float boxWidth = 325;
    platform::setColour(90, 90, 90);
    platform::drawRect(static_cast<float>(x), static_cast<float>(y), boxWidth, 1);
    platform::setColour(255, 255, 255);
    const int offset = drawSpecText(text, x, y + 4, boxWidth, "JUSTIFY", -1, font, lineGap);
    EXPECT_EQ(platform::getImageFont(), font);
    EXPECT_GT(offset, 0);
    EXPECT_EQ(offset, layoutSpecText(text, x, y + 4, boxWidth, "JUSTIFY", lineGap).lastLineOffset);

    saveCanvas("gui_showcase");

    // Ink lies inside the box and reaches both of its sides.
    auto drawn = canvas();
    int inkLeft = 800, inkRight = -1, inkBottom = -1;
    for (int py = y + 4; py < y + 4 + offset + font->textHeight(); ++py) {
        for (int px = 0; px < 800; ++px) {
            if (platform::redOf(drawn->read(px, py)) < 128) continue;
            inkLeft = std::min(inkLeft, px);
            inkRight = std::max(inkRight, px);
            inkBottom = std::max(inkBottom, py);
        }
    }
    EXPECT_GE(inkLeft, x - 1);
    EXPECT_LE(inkLeft, x + 3);
    EXPECT_LE(inkRight, x + static_cast<int>(boxWidth) + 1);
    EXPECT_GE(inkRight, x + static_cast<int>(boxWidth) - 4);
    EXPECT_GT(inkBottom, y + 4 + offset);
    platform::setClearColour(0, 0, 0);
}

} // namespace
