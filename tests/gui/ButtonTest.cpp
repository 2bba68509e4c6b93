// Image buttons: looks per state, growth, click reporting, hiding, the extra layers and failed loads.
#include "GuiTestSupport.h"

#include "gui/ButtonFactory.h"
#include "gui/TButton.h"
#include "platform/Draw.h"
#include "platform/Headless.h"
#include "platform/Image.h"
#include "platform/System.h"

#include <cmath>

namespace {

using namespace gui_test;
using testing_support::closeColour;

// ---- Strip buttons -------------------------------------------------------------------------------

struct StripCase {
    const char* name;
    bool sideBySide;
    bool fromFile;
};

class StripButton : public GuiTest, public ::testing::WithParamInterface<StripCase> {};

TEST_P(StripButton, ShowsFrameZeroAtRestFrameOneHoveredFrameZeroHeldAndNeverChangesSize) {
    const StripCase& param = GetParam();
    testing_support::TempFolder folder;
    auto strip = colourStrip({red, green}, 40, 20, param.sideBySide);
    TSource source = strip;
    if (param.fromFile) {
        const std::string path = folder.path() + "/strip.png";
        ASSERT_TRUE(platform::savePng(*strip, path));
        source = path;
    }
    auto button =
        CreateAnimButton(7, source, {0, 1}, CreateDim(100, 100, 0, 0, 0, 1, 1, 0), param.sideBySide);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->dim->width, 40);
    EXPECT_EQ(button->dim->height, 20);

    // Never polled: nothing to show yet.
    button->Draw();
    EXPECT_TRUE(allBlack(*canvas()));

    struct Step {
        const char* name;
        int x, y;
        bool hit, down;
        int code;
        uint32_t colour;
    };
    const Step steps[] = {
        {"at rest", 10, 10, false, false, 0, red},      {"hovered", 120, 110, false, false, 0, green},
        {"pressed", 120, 110, true, true, 7, red},      {"held", 120, 110, false, true, 0, red},
        {"released", 120, 110, false, false, 0, green}, {"left", 300, 300, false, false, 0, red},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(buttonFrame(*button, step.x, step.y, step.hit, step.down), step.code);
        auto drawn = canvas();
        EXPECT_TRUE(closeColour(drawn->read(120, 110), step.colour, 2));
        const Span row = rowSpan(*drawn, 110, [](uint32_t p) { return (p & 0xFFFFFF) != 0; });
        EXPECT_EQ(row.first, 100);
        EXPECT_EQ(row.last, 139);
        const Span column = columnSpan(*drawn, 120, [](uint32_t p) { return (p & 0xFFFFFF) != 0; });
        EXPECT_EQ(column.first, 100);
        EXPECT_EQ(column.last, 119);
    }
}

INSTANTIATE_TEST_SUITE_P(Strips, StripButton,
                         ::testing::Values(StripCase{"SideBySideFromFile", true, true},
                                           StripCase{"StackedFromPixmap", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GuiTest, StripFramePerStateFallsBackToTheDisabledThenTheNormalCell) {
    const std::vector<uint32_t> cells = {red, green, blue, grey, yellow, magenta};
    struct Case {
        const char* name;
        int frameCount;
        bool enabled;
        bool over, pressed;
        uint32_t colour;
    };
    const Case cases[] = {
        {"one cell hovered", 1, true, true, false, red},
        {"two cells pressed", 2, true, true, true, red},
        {"three cells pressed", 3, true, true, true, blue},
        {"four cells disabled", 4, false, false, false, grey},
        {"two cells disabled", 2, false, false, false, red},
        {"four cells disabled hovered", 4, false, true, false, grey},
        {"six cells disabled hovered", 6, false, true, false, yellow},
        {"four cells disabled pressed", 4, false, true, true, grey},
        {"six cells disabled pressed", 6, false, true, true, magenta},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint32_t> colours(cells.begin(), cells.begin() + c.frameCount);
        std::vector<int> frames;
        for (int i = 0; i < c.frameCount; ++i) frames.push_back(i);
        auto button = CreateAnimButton(1, colourStrip(colours, 30, 30, true), frames,
                                       CreateDim(50, 50, 0, 0, 0, 1, 1, 0), 1);
        button->SetState(c.enabled, 1);
        buttonFrame(*button, c.over ? 60 : 500, 60, c.pressed, c.pressed);
        EXPECT_TRUE(closeColour(pixel(60, 60), c.colour, 2));
    }
}

// ---- Single-image buttons: looks and growth ------------------------------------------------------

TEST_F(GuiTest, SimpleButtonLooksFallBackToTheDisabledThenTheNormalImage) {
    enum { normal = 1, over = 2, pressed = 4, disabled = 8, disabledOver = 16, disabledPressed = 32 };
    const uint32_t colours[] = {red, green, blue, grey, yellow, magenta};
    struct Case {
        const char* name;
        int looks; // which of the six looks the button has
        bool enabled, over, down;
        uint32_t colour;
    };
    const Case cases[] = {
        {"hovered with an over look", normal | over, true, true, false, green},
        {"hovered without one", normal, true, true, false, red},
        {"pressed with a pressed look", normal | pressed, true, true, true, blue},
        {"pressed without one", normal | over, true, true, true, red},
        {"disabled", normal | disabled, false, false, false, grey},
        {"disabled without a disabled look", normal | over, false, false, false, red},
        {"disabled hovered with its look", normal | disabled | disabledOver, false, true, false, yellow},
        {"disabled hovered without its look", normal | disabled, false, true, false, grey},
        {"disabled pressed with its look", normal | disabled | disabledPressed, false, true, true, magenta},
        {"disabled pressed without its look", normal | disabled, false, true, true, grey},
        {"pixmap look at rest", normal, true, false, false, red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto button = CreateSimpleButton(1, platform::Pixmap::create(30, 30, red),
                                         CreateDim(50, 50, 0, 0, 0, 1, 1, 0), false, false, 0);
        for (int look = 1; look < 6; ++look) {
            if (c.looks & (1 << look)) {
                button->stateImages[look] =
                    platform::Image::fromPixmap(platform::Pixmap::create(30, 30, colours[look]));
            }
        }
        button->SetState(c.enabled, 1);
        buttonFrame(*button, c.over ? 60 : 500, 60, c.down, c.down);
        EXPECT_TRUE(closeColour(pixel(60, 60), c.colour, 2));
    }
}

// Width of the blue image drawn across row y.
int drawnWidth(const platform::Pixmap& canvas, int y, float* middle = nullptr) {
    const Span run = rowSpan(canvas, y, [](uint32_t p) { return platform::blueOf(p) >= 128; });
    if (middle) *middle = run.middle();
    return run.length();
}

TEST_F(GuiTest, GrowingButtonGrowsPerFrameWhileHoveredIsUnscaledWhileHeldAndShrinksBack) {
    auto image = platform::Image::fromPixmap(platform::Pixmap::create(100, 40, blue));
    auto button = CreateSimpleButton(3, image, CreateDim(200, 200, 0, 0, 0, 1, 1, 0), true, true, 0);

    struct Frame {
        bool over, hit, down;
        float drawnScale;
    };
    std::vector<Frame> script;
    for (int k = 1; k <= 10; ++k) script.push_back({true, false, false, std::min(1.0f + 0.02f * k, 1.14f)});
    script.push_back({true, true, true, 1.0f});
    script.push_back({true, false, true, 1.0f});
    script.push_back({true, false, true, 1.0f});
    script.push_back({true, false, false, 1.14f});
    // Leaving, each frame shows the size reached so far, then steps down.
    for (int k = 0; k < 10; ++k) script.push_back({false, false, false, std::max(1.14f - 0.02f * k, 1.0f)});

    for (size_t i = 0; i < script.size(); ++i) {
        const Frame& f = script[i];
        SCOPED_TRACE("frame " + std::to_string(i));
        buttonFrame(*button, f.over ? 250 : 600, 220, f.hit, f.down);
        float middle = 0;
        const int width = drawnWidth(*canvas(), 220, &middle);
        EXPECT_NEAR(width, 100.0f * f.drawnScale, 1.01f);
        EXPECT_NEAR(middle, 249.5f, 1.0f); // grows about its centre
        EXPECT_GE(button->scale, 1.0f);
        EXPECT_LE(button->scale, 1.14f);
        // Drawing leaves nothing scaled behind: the hit rectangle and the next drawing stay at 1.
        EXPECT_EQ(button->dim->scaleX, 1.0f);
        EXPECT_EQ(platform::getScaleX(), 1.0f);
        if (i == 9) {
            EXPECT_FLOAT_EQ(button->scale, 1.14f);
        }
    }
    EXPECT_FLOAT_EQ(button->scale, 1.0f);
}

TEST_F(GuiTest, ImmediateGrowthJumpsToFullSizeAndBack) {
    auto image = platform::Image::fromPixmap(platform::Pixmap::create(100, 40, blue));
    auto button = CreateSimpleButton(3, image, CreateDim(200, 200, 0, 0, 0, 1, 1, 0), true, false, 0);
    const struct {
        bool over;
        int width;
    } frames[] = {{false, 100}, {true, 114}, {true, 114}, {false, 100}};
    for (const auto& f : frames) {
        buttonFrame(*button, f.over ? 250 : 600, 220);
        EXPECT_NEAR(drawnWidth(*canvas(), 220), f.width, 1);
    }
}

TEST_F(GuiTest, ButtonAlphaAppliesWhileDrawingAndTheCallersAlphaComesBack) {
    auto button = CreateSimpleButton(1, platform::Pixmap::create(30, 30, white),
                                     CreateDim(50, 50, 0, 0, 0, 1, 1, 0), false, false, 0);
    button->alpha = 0.5f;
    platform::setAlpha(0.8f);
    setMouse(500, 500);
    button->State();
    button->Draw();
    EXPECT_TRUE(closeColour(pixel(60, 60), platform::argb(255, 128, 128, 128), 3));
    EXPECT_FLOAT_EQ(platform::getAlpha(), 0.8f);
}

TEST_F(GuiTest, MissingRectangleOrEmptyFrameListStillMakesAButton) {
    auto noDim = CreateSimpleButton(1, platform::Pixmap::create(30, 20, red), nullptr, false, false, 0);
    ASSERT_TRUE(noDim->dim);
    EXPECT_EQ(noDim->dim->width, 30);
    EXPECT_EQ(noDim->dim->height, 20);
    setMouse(10, 10, true, true);
    EXPECT_EQ(noDim->State(), 1);

    // No frames to show: the whole strip is one cell, and nothing is drawn.
    auto noFrames = CreateAnimButton(2, colourStrip({red, green}, 30, 20, true), {},
                                     CreateDim(100, 100, 0, 0, 0, 1, 1, 0), 1);
    EXPECT_EQ(noFrames->dim->width, 60);
    platform::cls();
    setMouse(110, 110);
    EXPECT_EQ(noFrames->State(), 0);
    noFrames->Draw();
    EXPECT_TRUE(allBlack(*canvas()));
}

// ---- Reporting clicks ----------------------------------------------------------------------------

TEST_F(GuiTest, StateReportsTheCodeOnceInTheFrameOfThePress) {
    auto button = CreateSimpleButton(5, platform::Pixmap::create(40, 20, red),
                                     CreateDim(100, 100, 0, 0, 0, 1, 1, 0), false, false, 0);
    struct Step {
        const char* name;
        bool over, hit, down;
        int code;
        bool held;
        int state, getState;
    };
    const Step steps[] = {
        {"away", false, false, false, 0, false, 11, 0},
        {"over", true, false, false, 0, false, 12, 1},
        {"pressed", true, true, true, 5, true, 13, 2},
        {"held", true, false, true, 0, true, 13, 2},
        {"held on", true, false, true, 0, true, 13, 2},
        {"released", true, false, false, 0, false, 12, 1},
        {"pressed and released between polls", true, true, false, 5, false, 13, 2},
        {"away again", false, false, false, 0, false, 11, 0},
        {"pressed away from it", false, true, true, 0, false, 11, 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        setMouse(s.over ? 120 : 300, 110, s.hit, s.down);
        EXPECT_EQ(button->State(), s.code);
        EXPECT_EQ(button->isHolded(), s.held);
        EXPECT_EQ(button->state, s.state);
        EXPECT_EQ(button->GetState(), s.getState);
    }

    button->SetState(0, 1);
    setMouse(120, 110, true, true);
    EXPECT_EQ(button->State(), 5); // a disabled button only looks different
    EXPECT_EQ(button->state, 23);
}

TEST_F(GuiTest, StateReadsTheMouseAsPolledFromRealInput) {
    auto button = CreateSimpleButton(5, platform::Pixmap::create(40, 20, red),
                                     CreateDim(100, 100, 0, 0, 0, 1, 1, 0), false, false, 0);
    platform::headless::queueMouseMove(120, 110);
    platform::headless::queueMouseDown();
    mouse->fetchState();
    EXPECT_EQ(button->State(), 5);
    mouse->fetchState();
    EXPECT_EQ(button->State(), 0);
    EXPECT_TRUE(button->isHolded());
    platform::headless::queueMouseUp();
    mouse->fetchState();
    EXPECT_EQ(button->State(), 0);
    EXPECT_FALSE(button->isHolded());
}

TEST_F(GuiTest, AClickNotTakenIsForgottenWhenTheMouseLeaves) {
    auto button = CreateSimpleButton(5, platform::Pixmap::create(40, 20, red),
                                     CreateDim(100, 100, 0, 0, 0, 1, 1, 0), false, false, 0);
    setMouse(120, 110, true, true);
    button->State();
    setMouse(120, 110);
    button->State();
    EXPECT_TRUE(button->isClicked());
    EXPECT_FALSE(button->isClicked()); // taken

    setMouse(120, 110, true, true);
    button->State();
    setMouse(300, 110);
    button->State();
    EXPECT_FALSE(button->isClicked());
}

TEST_F(GuiTest, HiddenButtonNeitherDrawsNorReportsAndKeepsItsState) {
    auto image = platform::Image::fromPixmap(platform::Pixmap::create(100, 40, blue));
    auto button = CreateSimpleButton(3, image, CreateDim(200, 200, 0, 0, 0, 1, 1, 0), true, true, 0);
    setMouse(250, 220);
    for (int i = 0; i < 3; ++i) {
        button->State();
        button->Draw();
    }
    const float scale = button->scale;

    button->SetState(0, 0);
    platform::cls();
    setMouse(250, 220, true, true);
    EXPECT_EQ(button->State(), 0);
    EXPECT_FALSE(button->isHolded());
    button->Draw();
    EXPECT_TRUE(allBlack(*canvas()));
    EXPECT_EQ(button->state, 12);
    EXPECT_EQ(button->scale, scale);

    button->SetState(1, 1);
    EXPECT_EQ(button->State(), 3);
}

// ---- The highlighter and text layers -------------------------------------------------------------

TEST_F(GuiTest, HighlighterFadesInWithGrowthAtSevenTenthsHeight) {
    for (bool fromStrip : {false, true}) {
        SCOPED_TRACE(fromStrip ? "strip highlighter" : "image highlighter");
        auto button = CreateSimpleButton(1, platform::Pixmap::create(100, 100, blue),
                                         CreateDim(200, 200, 0, 0, 0, 1, 1, 0), true, true, 0);
        button->showImage = false;
        button->showHighlight = true;
        if (fromStrip) {
            button->animHighlight = true;
            button->highlightImage =
                platform::Image::fromStrip(colourStrip({red, white}, 100, 100, true), 100, 100, 0, 2);
            button->highlightFrames = {0, 1};
        } else {
            button->highlightImages[TButton::lookNormal] =
                platform::Image::fromPixmap(platform::Pixmap::create(100, 100, white));
        }
        // At rest the highlighter is fully transparent.
        buttonFrame(*button, 600, 600);
        EXPECT_TRUE(allBlack(*canvas()));

        for (int i = 0; i < 10; ++i) buttonFrame(*button, 250, 250);
        // Grown to 1.14 about the centre: top at 193; a quarter-strength white, 70 rows tall.
        auto drawn = canvas();
        EXPECT_TRUE(closeColour(drawn->read(250, 200), platform::argb(255, 64, 64, 64), 3));
        EXPECT_TRUE(closeColour(drawn->read(250, 260), platform::argb(255, 64, 64, 64), 3));
        EXPECT_EQ(drawn->read(250, 270) & 0xFFFFFF, 0u);
    }
}

class RecordingText : public TTextItem {
  public:
    explicit RecordingText(std::string name, std::vector<std::string>& log)
        : name_(std::move(name)), log_(log) {}
    void Draw() override { log_.push_back(name_); }

  private:
    std::string name_;
    std::vector<std::string>& log_;
};

TEST_F(GuiTest, TextLayerDrawsTheTextItemOfTheStateWhenShown) {
    std::vector<std::string> log;
    auto button = CreateSimpleButton(1, platform::Pixmap::create(40, 20, red),
                                     CreateDim(100, 100, 0, 0, 0, 1, 1, 0), false, false, 0);
    button->stateTexts[TButton::lookNormal] = std::make_shared<RecordingText>("normal", log);
    button->stateTexts[TButton::lookOver] = std::make_shared<RecordingText>("over", log);

    setMouse(120, 110);
    button->State();
    button->Draw();
    EXPECT_TRUE(log.empty()); // the text layer is off by default

    button->showText = true;
    const struct {
        bool over, down;
        const char* drawn;
    } frames[] = {{false, false, "normal"}, {true, false, "over"}, {true, true, "normal"}};
    for (const auto& f : frames) {
        log.clear();
        setMouse(f.over ? 120 : 300, 110, f.down, f.down);
        button->State();
        button->Draw();
        EXPECT_EQ(log, std::vector<std::string>{f.drawn});
    }
}

// ---- Failed loads --------------------------------------------------------------------------------

TEST_F(GuiTest, AnImageThatCannotBeLoadedIsReportedAndTheButtonDrawsNothing) {
    testing_support::TempFolder folder;
    const std::string missing = folder.path() + "/missing.png";
    const std::string wrongImage = "Probojesz zaladowac niewlasciwy typ obiektu jako TImage";
    const std::string wrongPixmap = "Probojesz zaladowac niewlasciwy typ obiektu jako TPixmap";
    auto anImage = platform::Image::fromPixmap(platform::Pixmap::create(10, 10, red));
    struct Case {
        const char* name;
        std::function<TButtonPtr(TDimPtr)> make;
        std::string message;
    };
    const Case cases[] = {
        {"simple button, missing file",
         [&](TDimPtr d) { return CreateSimpleButton(4, missing, d, true, true, 0); },
         "Nie mozna zaladowac obrazka: " + missing},
        {"strip button, missing file",
         [&](TDimPtr d) {
             return CreateAnimButton(4, missing, {0, 1}, d, 1);
         },
         "Nie mozna zaladowac obrazka: " + missing},
        {"simple button, empty path",
         [&](TDimPtr d) { return CreateSimpleButton(4, std::string(), d, true, true, 0); }, wrongImage},
        {"strip button, empty path",
         [&](TDimPtr d) {
             return CreateAnimButton(4, std::string(), {0, 1}, d, 1);
         },
         wrongPixmap},
        {"strip button from an image",
         [&](TDimPtr d) {
             return CreateAnimButton(4, anImage, {0, 1}, d, 1);
         },
         wrongPixmap},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool sized : {false, true}) {
            testing_support::MessageRecorder messages;
            auto button = c.make(CreateDim(100, 100, sized ? 40.0f : 0.0f, sized ? 20.0f : 0.0f, 0, 1, 1, 0));
            ASSERT_TRUE(button);
            EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
            // Without a size it cannot be hit; with one it still works, only unseen.
            EXPECT_EQ(button->dim->width, sized ? 40.0f : 0.0f);
            platform::cls();
            setMouse(120, 110, true, true);
            EXPECT_EQ(button->State(), sized ? 4 : 0);
            setMouse(120, 110);
            for (int i = 0; i < 3; ++i) {
                button->State();
                button->Draw();
            }
            EXPECT_TRUE(allBlack(*canvas()));
        }
    }
}

TEST(Loaders, LoadOrPassThroughAndReportWrongSources) {
    testing_support::MessageRecorder messages;
    testing_support::TempFolder folder;
    auto pixmap = platform::Pixmap::create(6, 4, red);
    const std::string path = folder.path() + "/look.png";
    ASSERT_TRUE(platform::savePng(*pixmap, path));
    auto image = platform::Image::fromPixmap(pixmap);

    EXPECT_EQ(FLoadImage(image), image);
    EXPECT_EQ(FLoadPixmap(pixmap), pixmap);
    auto loadedImage = FLoadImage(path);
    ASSERT_TRUE(loadedImage);
    EXPECT_EQ(loadedImage->width(), 6);
    auto loadedPixmap = FLoadPixmap(path);
    ASSERT_TRUE(loadedPixmap);
    EXPECT_EQ(loadedPixmap->read(5, 3), red);
    EXPECT_TRUE(messages.texts().empty());

    auto emptyImage = FLoadImage(pixmap);
    ASSERT_TRUE(emptyImage);
    EXPECT_EQ(emptyImage->width(), 0);
    auto emptyPixmap = FLoadPixmap(image);
    ASSERT_TRUE(emptyPixmap);
    EXPECT_EQ(emptyPixmap->width(), 0);
    EXPECT_FALSE(FLoadImage(path + ".gone"));
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"Probojesz zaladowac niewlasciwy typ obiektu jako TImage",
                                        "Probojesz zaladowac niewlasciwy typ obiektu jako TPixmap",
                                        "Nie mozna zaladowac obrazka: " + path + ".gone"}));
}

TEST(Loaders, MessagesCarryTheGamesTitle) {
    std::vector<std::string> titles;
    platform::setMessageSink([&](const std::string& title, const std::string&) { titles.push_back(title); });
    FLoadPixmap(TSource{});
    platform::setMessageSink(nullptr);
    EXPECT_EQ(titles, std::vector<std::string>{"Tessaro Puzzle Game"});
}

} // namespace
