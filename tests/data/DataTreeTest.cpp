// The generated data tree: every file the game loads is there, under the path the game spells, with
// the properties the screens rely on (sizes, strips of two looks, ten clock frames, Vorbis sounds),
// the pictures have no flat or look-alike pieces, and the manifest lists every file.
#include "Headless.h"

#include "platform/Audio.h"
#include "platform/Files.h"
#include "platform/Font.h"
#include "platform/Pixmap.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {

using testing_support::dataPath;

platform::PixmapPtr load(const std::string& relative) {
    auto pixmap = platform::loadPixmap(platform::resolvePath(dataPath(relative)));
    EXPECT_TRUE(pixmap) << "cannot load " << relative;
    return pixmap;
}

// Every path the game loads, spelled as the game spells it.
const std::vector<std::string> gamePaths = {
    "gfx/menu-screen.jpg",
    "gfx/menu-screen2c.jpg",
    "gfx/game.jpg",
    "gfx/moreGames.jpg",
    "gfx/puzzle/obr1.jpg",
    "gfx/puzzle/obr2.jpg",
    "gfx/puzzle/obr3.jpg",
    "gfx/puzzle/obr4.jpg",
    "gfx/GUI/p_play.png",
    "gfx/GUI/p_options.png",
    "gfx/GUI/p_credits.png",
    "gfx/GUI/p_more.png",
    "gfx/GUI/p_quit.png",
    "gfx/GUI/p_play02.png",
    "gfx/GUI/p_options02.png",
    "gfx/GUI/p_credits02.png",
    "gfx/GUI/p_more02.png",
    "gfx/GUI/p_quit02.png",
    "gfx/GUI/p_cancel.png",
    "gfx/gui/p_cancel.png",
    "gfx/gui/ustawienia/window.png",
    "gfx/gui/ustawienia/ok.png",
    "gfx/gui/ustawienia/plus.png",
    "gfx/gui/ustawienia/minus.png",
    "gfx/gui/ustawienia/on.png",
    "gfx/gui/ustawienia/off.png",
    "gfx/gui/ustawienia/pointOn.png",
    "gfx/gui/ustawienia/pointoff.png",
    "gfx/gui/messageWindow.png",
    "gfx/gui/go_to.png",
    "gfx/gui/quit.png",
    "gfx/gui/more_info.png",
    "gfx/gui/mg_01.png",
    "gfx/gui/mg_02.png",
    "gfx/gui/mg_03.png",
    "gfx/b_main_menu.png",
    "gfx/b_get_hint.png",
    "gfx/b_sort_up.png",
    "gfx/b_clean_up.png",
    "gfx/b_ghost_image.png",
    "gfx/b_options.png",
    "gfx/kursor.png",
    "gfx/zegar/puzel3_0000.png",
    "gfx/zegar/puzel3_0001.png",
    "gfx/zegar/puzel3_0002.png",
    "gfx/zegar/puzel3_0003.png",
    "gfx/zegar/puzel3_0004.png",
    "gfx/zegar/puzel3_0005.png",
    "gfx/zegar/puzel3_0006.png",
    "gfx/zegar/puzel3_0007.png",
    "gfx/zegar/puzel3_0008.png",
    "gfx/zegar/puzel3_0009.png",
    "gfx/particle/1.png",
    "gfx/particle/2.png",
    "gfx/particle/3.png",
    "gfx/bluehigh.ttf",
    "sfx/puzzle.ogg",
    "sfx/zolts-klik-over1.ogg",
    "sfx/info.ogg",
    "sfx/zolts-info-good.ogg",
    "sfx/zolts-info-bad.ogg",
};

TEST(DataTree, EveryPathTheGameLoadsResolvesFromTheDataFolder) {
    const std::string before = platform::currentFolder();
    testing_support::enterDataTree();
    for (const std::string& path : gamePaths) {
        EXPECT_EQ(platform::fileType(platform::resolvePath(path)), platform::fileFile) << path;
    }
    ASSERT_TRUE(platform::setCurrentFolder(before));
}

TEST(DataTree, BackgroundsFillTheScreen) {
    for (const char* path :
         {"gfx/menu-screen.jpg", "gfx/menu-screen2c.jpg", "gfx/game.jpg", "gfx/moreGames.jpg"}) {
        SCOPED_TRACE(path);
        auto p = load(path);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->width(), 800);
        EXPECT_EQ(p->height(), 600);
    }
}

// Mean colour of a block of pixels, and how much the pixels vary inside it.
struct Patch {
    double r = 0, g = 0, b = 0, spread = 0;
    double grid[4][4][3] = {}; // a coarse 4 x 4 thumbnail of the patch
};

Patch patchOf(const platform::Pixmap& p, int x0, int y0, int w, int h) {
    Patch patch;
    double sq = 0;
    const double n = static_cast<double>(w) * h;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            const uint32_t c = p.read(x, y);
            const double r = platform::redOf(c), g = platform::greenOf(c), b = platform::blueOf(c);
            patch.r += r / n;
            patch.g += g / n;
            patch.b += b / n;
            sq += (r * r + g * g + b * b) / n;
            double* cell = patch.grid[(y - y0) * 4 / h][(x - x0) * 4 / w];
            cell[0] += r * 16 / n;
            cell[1] += g * 16 / n;
            cell[2] += b * 16 / n;
        }
    }
    patch.spread = std::sqrt(std::max(0.0, sq - (patch.r * patch.r + patch.g * patch.g + patch.b * patch.b)));
    return patch;
}

double distance(const Patch& a, const Patch& b) {
    double sum = 0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            for (int k = 0; k < 3; ++k) sum += std::fabs(a.grid[j][i][k] - b.grid[j][i][k]);
    return sum / 48;
}

TEST(DataTree, PuzzlePicturesFitTheBoardAndEveryPieceLooksDifferent) {
    struct Set {
        const char* path;
        int columns, rows;
    };
    for (const Set& set : {Set{"gfx/puzzle/obr1.jpg", 4, 3}, Set{"gfx/puzzle/obr4.jpg", 8, 6},
                           Set{"gfx/puzzle/obr3.jpg", 6, 5}, Set{"gfx/puzzle/obr2.jpg", 10, 8}}) {
        SCOPED_TRACE(set.path);
        auto p = load(set.path);
        ASSERT_TRUE(p);
        EXPECT_LE(p->width(), 800);
        EXPECT_LE(p->height(), 600);
        EXPECT_GE(p->width(), set.columns * 40);
        EXPECT_GE(p->height(), set.rows * 40);
        const int w = p->width() / set.columns, h = p->height() / set.rows;
        std::vector<Patch> patches;
        for (int j = 0; j < set.rows; ++j)
            for (int i = 0; i < set.columns; ++i) patches.push_back(patchOf(*p, i * w, j * h, w, h));
        for (size_t a = 0; a < patches.size(); ++a) {
            // No flat piece: the colours inside every piece vary.
            EXPECT_GT(patches[a].spread, 12.0) << "piece " << a << " is nearly flat";
            for (size_t b = a + 1; b < patches.size(); ++b) {
                EXPECT_GT(distance(patches[a], patches[b]), 6.0)
                    << "pieces " << a << " and " << b << " look alike";
            }
        }
    }
}

// The two frames of a strip differ in enough pixels to see the hover.
double differingShare(const platform::Pixmap& p) {
    const int w = p.width() / 2;
    int differing = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t a = p.read(x, y), b = p.read(x + w, y);
            const int d =
                std::abs(static_cast<int>(platform::redOf(a)) - static_cast<int>(platform::redOf(b))) +
                std::abs(static_cast<int>(platform::greenOf(a)) - static_cast<int>(platform::greenOf(b))) +
                std::abs(static_cast<int>(platform::blueOf(a)) - static_cast<int>(platform::blueOf(b)));
            if (platform::alphaOf(a) > 128 && d > 60) ++differing;
        }
    return static_cast<double>(differing) / (w * p.height());
}

TEST(DataTree, StripButtonsHoldTwoEqualLooksSideBySide) {
    struct Strip {
        const char* path;
        int frameWidth; // 0: any
        int maxHeight;
    };
    for (const Strip& s :
         {Strip{"gfx/GUI/p_play.png", 150, 40}, Strip{"gfx/GUI/p_options.png", 150, 40},
          Strip{"gfx/GUI/p_credits.png", 150, 40}, Strip{"gfx/GUI/p_more.png", 150, 40},
          Strip{"gfx/GUI/p_quit.png", 150, 40}, Strip{"gfx/GUI/p_cancel.png", 70, 40},
          Strip{"gfx/gui/ustawienia/ok.png", 0, 40}, Strip{"gfx/gui/ustawienia/plus.png", 0, 40},
          Strip{"gfx/gui/ustawienia/minus.png", 0, 40}, Strip{"gfx/gui/go_to.png", 0, 55}}) {
        SCOPED_TRACE(s.path);
        auto p = load(s.path);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->width() % 2, 0);
        if (s.frameWidth) {
            EXPECT_EQ(p->width() / 2, s.frameWidth);
        }
        EXPECT_LE(p->height(), s.maxHeight);
        EXPECT_GT(differingShare(*p), 0.25) << "the hover look is hardly different";
    }
    // The menu buttons are 40 px apart, so their frames must not be taller.
    for (const char* name : {"p_play", "p_options", "p_credits", "p_more", "p_quit"}) {
        SCOPED_TRACE(name);
        auto strip = load(std::string("gfx/GUI/") + name + ".png");
        auto single = load(std::string("gfx/GUI/") + name + "02.png");
        ASSERT_TRUE(strip && single);
        EXPECT_EQ(single->width(), strip->width() / 2);
        EXPECT_EQ(single->height(), strip->height());
        EXPECT_LE(strip->height(), 40);
    }
}

TEST(DataTree, ToolbarButtonsLeaveRoomForEachOtherAndTheClock) {
    const std::pair<const char*, int> toolbar[] = {
        {"gfx/b_main_menu.png", 10}, {"gfx/b_get_hint.png", 130},    {"gfx/b_sort_up.png", 230},
        {"gfx/b_clean_up.png", 330}, {"gfx/b_ghost_image.png", 440}, {"gfx/b_options.png", 575}};
    for (size_t i = 0; i < std::size(toolbar); ++i) {
        SCOPED_TRACE(toolbar[i].first);
        auto p = load(toolbar[i].first);
        ASSERT_TRUE(p);
        const int end = toolbar[i].second + p->width();
        const int limit = i + 1 < std::size(toolbar) ? toolbar[i + 1].second : 700; // the clock's corner
        EXPECT_LT(end, limit);
        EXPECT_LE(5 + p->height(), 40);
    }
}

TEST(DataTree, SingleImagesAndWindowsHoldWhatIsPlacedOnThem) {
    auto points = {load("gfx/gui/ustawienia/pointOn.png"), load("gfx/gui/ustawienia/pointoff.png")};
    for (const auto& p : points) {
        ASSERT_TRUE(p);
        EXPECT_LE(p->width(), 23) << "points sit 23 px apart";
        EXPECT_GE(p->width(), 12);
    }
    for (const char* path : {"gfx/gui/ustawienia/on.png", "gfx/gui/ustawienia/off.png", "gfx/gui/quit.png",
                             "gfx/gui/more_info.png"}) {
        auto p = load(path);
        ASSERT_TRUE(p) << path;
        EXPECT_GT(p->width(), 0) << path;
    }
    // The settings window at (200, 220) holds its buttons: OK, the two rows and the mode switch.
    auto window = load("gfx/gui/ustawienia/window.png");
    auto ok = load("gfx/gui/ustawienia/ok.png");
    auto plus = load("gfx/gui/ustawienia/plus.png");
    auto on = load("gfx/gui/ustawienia/on.png");
    ASSERT_TRUE(window && ok && plus && on);
    EXPECT_LE(190 + ok->width() / 2, window->width());
    EXPECT_LE(265 + ok->height(), window->height());
    EXPECT_LE(330 + plus->width() / 2, window->width());
    EXPECT_LE(270 + on->width(), window->width());
    // The same image is the end-of-game window at (190, 150), with its OK button at (380, 420).
    EXPECT_LE(420 + ok->height(), 150 + window->height());
    EXPECT_LE(380 + ok->width() / 2, 190 + window->width());
    // The message window at (200, 200): a 325 px text column from +50 and buttons at +135.
    auto message = load("gfx/gui/messageWindow.png");
    auto cancel = load("gfx/GUI/p_cancel.png");
    ASSERT_TRUE(message && cancel);
    EXPECT_GE(message->width(), 50 + 325);
    EXPECT_LE(280 + ok->width() / 2, message->width());
    EXPECT_LE(135 + cancel->height(), message->height());
    // The previews cover their columns above the button bar.
    const int columnWidths[3] = {266, 257, 264};
    for (int i = 0; i < 3; ++i) {
        auto preview = load("gfx/gui/mg_0" + std::to_string(i + 1) + ".png");
        ASSERT_TRUE(preview);
        EXPECT_EQ(preview->width(), columnWidths[i]);
        EXPECT_EQ(preview->height(), 537);
    }
}

TEST(DataTree, CursorClockAndSparks) {
    auto cursor = load("gfx/kursor.png");
    ASSERT_TRUE(cursor);
    EXPECT_EQ(platform::alphaOf(cursor->read(1, 1)), 255u) << "the hot spot is on the pointer's tip";
    EXPECT_LT(platform::alphaOf(cursor->read(0, 0)), 255u);

    platform::PixmapPtr previous;
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        auto frame = load("gfx/zegar/puzel3_000" + std::to_string(i) + ".png");
        ASSERT_TRUE(frame);
        if (previous) {
            EXPECT_EQ(frame->width(), previous->width());
            EXPECT_EQ(frame->height(), previous->height());
            EXPECT_NE(std::memcmp(frame->data(), previous->data(),
                                  sizeof(uint32_t) * frame->width() * frame->height()),
                      0)
                << "the clock does not turn";
        }
        previous = frame;
    }
    EXPECT_EQ(platform::fileType(platform::resolvePath(dataPath("gfx/zegar/puzel3_00010.png"))),
              platform::fileNone);

    // Sparks are white glows, brightest in the middle and clear at the border.
    for (const char* path : {"gfx/particle/1.png", "gfx/particle/2.png", "gfx/particle/3.png"}) {
        SCOPED_TRACE(path);
        auto p = load(path);
        ASSERT_TRUE(p);
        const uint32_t centre = p->read(p->width() / 2, p->height() / 2);
        EXPECT_GT(platform::alphaOf(centre), 150u);
        EXPECT_GT(platform::redOf(centre) + platform::greenOf(centre) + platform::blueOf(centre), 3u * 240);
        for (int x = 0; x < p->width(); ++x) {
            EXPECT_EQ(platform::alphaOf(p->read(x, 0)), 0u);
            EXPECT_EQ(platform::alphaOf(p->read(x, p->height() - 1)), 0u);
        }
    }
}

TEST(DataTree, FontLoadsAtTheGameSizesWithItsLicence) {
    for (int size : {14, 20, 36}) {
        auto font = platform::ImageFont::load(dataPath("gfx/bluehigh.ttf"), size);
        ASSERT_TRUE(font) << size;
        EXPECT_GT(font->textWidth("Loading..."), size * 3);
        EXPECT_GE(font->textHeight(), size);
    }
    const auto licence = platform::loadText(dataPath("gfx/bluehigh-LICENSE.txt"));
    ASSERT_TRUE(licence);
    EXPECT_NE(licence->find("Open Font License"), std::string::npos);
}

// What the Ogg pages say about a Vorbis stream.
struct OggFacts {
    bool valid = false;
    int channels = 0;
    uint32_t rate = 0;
    int64_t samples = 0; // the last page's granule position
};

OggFacts readOgg(const std::vector<uint8_t>& bytes) {
    OggFacts facts;
    size_t at = 0;
    bool first = true;
    while (at < bytes.size()) {
        if (at + 27 > bytes.size() || std::memcmp(&bytes[at], "OggS", 4) != 0) return facts;
        const size_t segments = bytes[at + 26];
        if (at + 27 + segments > bytes.size()) return facts;
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i) body += bytes[at + 27 + i];
        const size_t start = at + 27 + segments;
        if (start + body > bytes.size()) return facts;
        if (first) {
            // The identification header: type 1, "vorbis", version, channels, rate.
            if (body < 16 || bytes[start] != 1 || std::memcmp(&bytes[start + 1], "vorbis", 6) != 0)
                return facts;
            facts.channels = bytes[start + 11];
            std::memcpy(&facts.rate, &bytes[start + 12], 4);
            first = false;
        }
        std::memcpy(&facts.samples, &bytes[at + 6], 8);
        at = start + body;
    }
    facts.valid = !first;
    return facts;
}

TEST(DataTree, SoundsAreOggVorbisOfTheRightLengthsAndDecode) {
    struct Expected {
        const char* path;
        double minSeconds, maxSeconds;
    };
    // Decoding needs an open mixer; the dummy driver (the test default) gives one on any machine.
    ASSERT_TRUE(platform::openAudio()) << "the audio driver should open";
    for (const Expected& e :
         {Expected{"sfx/puzzle.ogg", 60, 600}, Expected{"sfx/zolts-klik-over1.ogg", 0.05, 0.5},
          Expected{"sfx/info.ogg", 0.1, 1.6}, Expected{"sfx/zolts-info-good.ogg", 0.3, 1.6},
          Expected{"sfx/zolts-info-bad.ogg", 0.1, 1.6}}) {
        SCOPED_TRACE(e.path);
        const auto bytes = platform::loadBytes(dataPath(e.path));
        ASSERT_TRUE(bytes);
        ASSERT_GE(bytes->size(), 4u);
        EXPECT_EQ(std::memcmp(bytes->data(), "OggS", 4), 0);
        const OggFacts facts = readOgg(*bytes);
        ASSERT_TRUE(facts.valid) << "not a well-formed Ogg Vorbis stream";
        EXPECT_EQ(facts.channels, 2);
        EXPECT_EQ(facts.rate, 44100u);
        const double seconds = static_cast<double>(facts.samples) / facts.rate;
        EXPECT_GE(seconds, e.minSeconds);
        EXPECT_LE(seconds, e.maxSeconds);
        auto sound = platform::loadSound(dataPath(e.path), false);
        ASSERT_TRUE(sound);
        EXPECT_NE(sound->chunk(), nullptr) << "the mixer could not decode it";
    }
    platform::closeAudio();
}

TEST(DataTree, ManifestListsEveryFileWithOriginAndLicence) {
    const auto text = platform::loadText(dataPath("MANIFEST.txt"));
    ASSERT_TRUE(text);
    std::set<std::string> listed;
    std::istringstream lines(*text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string f; std::getline(split, f, '\t');) fields.push_back(f);
        ASSERT_EQ(fields.size(), 4u) << line;
        EXPECT_FALSE(fields[2].empty()) << line;
        EXPECT_FALSE(fields[3].empty()) << line;
        std::error_code error;
        EXPECT_EQ(std::to_string(std::filesystem::file_size(dataPath(fields[0]), error)), fields[1]) << line;
        listed.insert(fields[0]);
    }
    std::set<std::string> present;
    const std::filesystem::path root = dataPath("");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = std::filesystem::relative(entry.path(), root).generic_string();
        if (relative != "MANIFEST.txt") present.insert(relative);
    }
    EXPECT_EQ(listed, present);
    // The game's spelling of each path resolves to a listed file.
    for (const std::string& path : gamePaths) {
        const std::string resolved = platform::resolvePath(dataPath(path)).substr(dataPath("").size());
        EXPECT_EQ(listed.count(resolved), 1u) << path;
    }
}

} // namespace
