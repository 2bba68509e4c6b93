// Button menus: polling order, hiding and disabling, lookup by code, and the alpha left behind.
#include "GuiTestSupport.h"

#include "gui/ButtonFactory.h"
#include "gui/TMenu.h"
#include "platform/Draw.h"

namespace {

using namespace gui_test;

TButtonPtr squareButton(int id, uint32_t colour, float x, float y) {
    return CreateSimpleButton(id, platform::Pixmap::create(40, 40, colour), CreateDim(x, y, 0, 0, 0, 1, 1, 0),
                              false, false, 0);
}

TEST_F(GuiTest, EmptyMenuDrawsNothingAndReportsNothing) {
    TMenu menu;
    setMouse(10, 10, true, true);
    EXPECT_EQ(menu.State(), 0);
    menu.Draw(0.3f);
    EXPECT_TRUE(allBlack(*canvas()));
    EXPECT_EQ(platform::getAlpha(), 1.0f);
    EXPECT_EQ(menu.GetItem(1), nullptr);
}

TEST_F(GuiTest, OverlappingButtonsTheFirstAddedWinsAndLaterOnesAreNotPolled) {
    TMenu menu;
    auto first = squareButton(1, red, 100, 100);
    auto second = squareButton(2, green, 100, 100);
    auto sameCode = squareButton(1, blue, 300, 300);
    menu.AddItem(first);
    menu.AddItem(second);
    menu.AddItem(sameCode);

    setMouse(120, 120, true, true);
    EXPECT_EQ(menu.State(), 1);
    EXPECT_EQ(menu.lastCode, 1);
    EXPECT_EQ(second->state, 0); // never reached this frame
    EXPECT_EQ(menu.GetItem(1), first);
    EXPECT_EQ(menu.GetItem(2), second);
    EXPECT_EQ(menu.GetItem(9), nullptr);

    // Hiding the first lets the one beneath answer.
    first->SetState(0, 0);
    setMouse(120, 120);
    EXPECT_EQ(menu.State(), 0);
    setMouse(120, 120, true, true);
    EXPECT_EQ(menu.State(), 2);
    EXPECT_EQ(menu.lastCode, 2);
    setMouse(120, 120);
    EXPECT_EQ(menu.State(), 0);
    EXPECT_EQ(menu.lastCode, 2); // only non-zero codes are kept

    platform::cls();
    menu.Draw(1);
    EXPECT_TRUE(testing_support::closeColour(pixel(120, 120), green, 2));
    EXPECT_TRUE(testing_support::closeColour(pixel(320, 320), blue, 2));
}

TEST_F(GuiTest, HiddenOrDisabledMenuReportsNothingAndLeavesItsButtonsAlone) {
    const struct {
        const char* name;
        int enabled, visible;
        bool drawn;
    } cases[] = {{"disabled", 0, 1, true}, {"hidden", 0, 0, false}, {"hidden but enabled", 1, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TMenu menu;
        auto button = squareButton(1, red, 100, 100);
        menu.AddItem(button);
        setMouse(500, 500);
        menu.State();
        menu.setstate(c.enabled, c.visible);

        setMouse(120, 120, true, true);
        EXPECT_EQ(menu.State(), 0);
        EXPECT_EQ(button->state, 11); // not polled: it still thinks the mouse is away
        EXPECT_EQ(menu.lastCode, 0);

        platform::cls();
        menu.Draw(1);
        EXPECT_EQ(testing_support::closeColour(pixel(120, 120), red, 2), c.drawn);

        menu.setstate(1, 1);
        EXPECT_EQ(menu.State(), 1);
    }
}

TEST_F(GuiTest, DrawLeavesTheGlobalAlphaAtOneWhateverItWasGiven) {
    TMenu menu;
    auto button = squareButton(1, white, 100, 100);
    button->alpha = 0.5f;
    menu.AddItem(button);
    menu.AddItem(nullptr); // not a button: skipped
    setMouse(500, 500);
    EXPECT_EQ(menu.State(), 0);
    for (float alpha : {0.0f, 0.3f, 1.0f}) {
        platform::cls();
        menu.Draw(alpha);
        EXPECT_EQ(platform::getAlpha(), 1.0f);
        // Each button draws with its own alpha.
        EXPECT_TRUE(testing_support::closeColour(pixel(120, 120), platform::argb(255, 128, 128, 128), 3));
    }
}

} // namespace
