// Paragraph layout: alignments, justification, empty words, words wider than the box, the splitter.
#include "GuiTestSupport.h"

#include "gui/JustifiedText.h"
#include "platform/Draw.h"

#include <map>

namespace {

using namespace gui_test;

class JustifiedText : public ::testing::Test {
  protected:
    void SetUp() override {
        static platform::ImageFontPtr font = testing_support::testFont(20);
        ASSERT_TRUE(font) << "no font for the text tests";
        platform::setImageFont(font);
    }
    void TearDown() override { platform::setImageFont(nullptr); }

    static float width(const std::string& text) { return static_cast<float>(platform::textWidth(text)); }
    static int lineHeight(int gap) { return platform::textHeight() + gap; }

    // The pieces of each line, keyed by the line's y.
    static std::map<float, std::vector<TSpecTextPiece>> lines(const TSpecTextLayout& layout) {
        std::map<float, std::vector<TSpecTextPiece>> byLine;
        for (const auto& piece : layout.pieces) byLine[piece.y].push_back(piece);
        return byLine;
    }
};

TEST_F(JustifiedText, OneLineIsPlacedByItsAlignmentAndReturnsZero) {
    const std::string text = "Hello small world";
    const float w = width(text);
    const float left = 50, right = 50 + 400 - w,
                centre = 50 + 200 - static_cast<float>(static_cast<int>(w) / 2);
    const struct {
        const char* alignment;
        float x;
    } cases[] = {
        {"LEFT", left},   {"RIGHT", right},  {"CENTER", centre}, {"JUSTIFY", left}, {" center ", centre},
        {"right", right}, {"Justify", left}, {"", left},         {"middle", left},  {"LEFT RIGHT", left},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("alignment '") + c.alignment + "'");
        const auto layout = layoutSpecText(text, 50, 70, 400, c.alignment, 3);
        ASSERT_EQ(layout.pieces.size(), 1u);
        EXPECT_EQ(layout.pieces[0].text, text);
        EXPECT_FLOAT_EQ(layout.pieces[0].x, c.x);
        EXPECT_FLOAT_EQ(layout.pieces[0].y, 70);
        EXPECT_EQ(layout.lastLineOffset, 0);
        EXPECT_EQ(drawSpecText(text, 50, 70, 400, c.alignment, -1, nullptr, 3), 0);
    }
    const auto empty = layoutSpecText("", 50, 70, 400, "JUSTIFY", 3);
    ASSERT_EQ(empty.pieces.size(), 1u);
    EXPECT_EQ(empty.pieces[0].text, "");
    EXPECT_EQ(empty.lastLineOffset, 0);
}

TEST_F(JustifiedText, JustifiedLinesFillTheWidthAndTheLastLineIsLeftAligned) {
    const std::string text =
        "The picture is cut into pieces along lines drawn for this grid, and every piece "
        "finds its neighbours when it is dropped close enough to its place on the board.";
    const std::vector<std::string> words = rozbijTekst(text, " ", "", "");
    const int x = 40, y = 30, gap = 2;
    const float boxWidth = 325;
    const auto layout = layoutSpecText(text, x, y, boxWidth, "JUSTIFY", gap);
    const auto byLine = lines(layout);
    ASSERT_GE(byLine.size(), 3u);

    std::vector<std::string> seen;
    int lineNo = 0;
    for (const auto& [ly, pieces] : byLine) {
        SCOPED_TRACE("line " + std::to_string(lineNo));
        EXPECT_FLOAT_EQ(ly, static_cast<float>(y + lineHeight(gap) * lineNo));
        EXPECT_FLOAT_EQ(pieces.front().x, static_cast<float>(x));
        const bool last = lineNo + 1 == static_cast<int>(byLine.size());
        if (last) {
            // One run with single spaces, starting at x.
            ASSERT_EQ(pieces.size(), 1u);
            for (const auto& word : rozbijTekst(pieces[0].text, " ", "", "")) seen.push_back(word);
        } else {
            const auto& end = pieces.back();
            EXPECT_NEAR(end.x + width(end.text), x + boxWidth, 1.5f);
            std::string joined;
            for (const auto& piece : pieces) {
                joined += (joined.empty() ? "" : " ") + piece.text;
                seen.push_back(piece.text);
            }
            // Full: the words fit with single spaces, and the next word would not have.
            EXPECT_LE(width(joined), boxWidth);
            EXPECT_GT(width(joined + " " + words[seen.size()]), boxWidth);
        }
        ++lineNo;
    }
    EXPECT_EQ(seen, words);
    EXPECT_EQ(layout.lastLineOffset, lineHeight(gap) * (lineNo - 1));
}

TEST_F(JustifiedText, TwoSpacesMakeAnEmptyWordThatTakesAGapInJustification) {
    const float boxWidth = width("one  two three four") - 1;
    const auto layout = layoutSpecText("one  two three four five", 0, 0, boxWidth, "JUSTIFY", 0);
    const auto first = lines(layout).begin()->second;
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first[0].text, "one");
    EXPECT_EQ(first[1].text, "");
    EXPECT_EQ(first[2].text, "two");
    EXPECT_EQ(first[3].text, "three");
    const float gapOneTwo = first[2].x - (first[0].x + width("one"));
    const float gapTwoThree = first[3].x - (first[2].x + width("two"));
    EXPECT_NEAR(gapOneTwo, 2 * gapTwoThree, 1.0f);
    EXPECT_NEAR(first[3].x + width("three"), boxWidth, 1.5f);
}

TEST_F(JustifiedText, AWordWiderThanTheBoxGetsALineOfItsOwnAndTheLayoutEnds) {
    const std::string wide = "Extraordinarily";
    const float boxWidth = 60;
    ASSERT_GT(width(" " + wide), boxWidth);
    const std::string texts[] = {wide, "ab " + wide, wide + " cd", "ab " + wide + " cd", "ab cd " + wide};
    for (const char* alignment : {"LEFT", "RIGHT", "CENTER", "JUSTIFY"}) {
        for (const auto& text : texts) {
            SCOPED_TRACE(std::string(alignment) + ": '" + text + "'");
            const auto layout = layoutSpecText(text, 10, 20, boxWidth, alignment, 0);
            const auto byLine = lines(layout);
            std::vector<std::string> seen;
            bool found = false;
            for (const auto& [ly, pieces] : byLine) {
                for (const auto& piece : pieces) {
                    for (const auto& word : rozbijTekst(piece.text, " ", "", "")) seen.push_back(word);
                    if (piece.text.find(wide) == std::string::npos) continue;
                    found = true;
                    EXPECT_EQ(piece.text, wide);
                    EXPECT_EQ(pieces.size(), 1u);
                    EXPECT_FLOAT_EQ(piece.x, 10);
                }
            }
            EXPECT_TRUE(found);
            EXPECT_EQ(seen, rozbijTekst(text, " ", "", ""));
            // The return value still points at the last line drawn.
            EXPECT_FLOAT_EQ(static_cast<float>(20 + layout.lastLineOffset), byLine.rbegin()->first);
        }
    }

    // A box with no width at all puts every word on a line of its own.
    const auto narrow = layoutSpecText("a b c", 10, 20, 0, "JUSTIFY", 0);
    ASSERT_EQ(narrow.pieces.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(narrow.pieces[i].x, 10);
        EXPECT_FLOAT_EQ(narrow.pieces[i].y, static_cast<float>(20 + lineHeight(0) * static_cast<int>(i)));
    }
    EXPECT_EQ(narrow.lastLineOffset, 2 * lineHeight(0));
}

TEST(RozbijTekst, CutsAtSeparatorsAndKeepsQuotedStretchesWhole) {
    using Parts = std::vector<std::string>;
    const struct {
        const char* text;
        const char* separator;
        const char* open;
        const char* close;
        Parts parts;
    } cases[] = {
        {"a,b,,c", ",", "", "", {"a", "b", "", "c"}},
        {"[a,b],c", ",", "[", "]", {"a,b", "c"}},
        {"[a,b],c", ",", "", "", {"[a", "b]", "c"}},
        {"[a,b],c", ",", "[", "", {"[a", "b]", "c"}}, // one quote alone does not switch quoting on
        {"'x y' z", " ", "'", "'", {"x y", "z"}},
        {"a,b,", ",", "", "", {"a", "b"}},
        {",a", ",", "", "", {"", "a"}},
        {"", ",", "", "", {}},
        {"a::b::::c:", "::", "", "", {"a", "b", "", "c:"}},
        {"abc", "", "", "", {"abc"}},
        {"", "", "", "", {}},
        {"a b ", " ", "", "", {"a", "b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "' at '" + c.separator + "'");
        EXPECT_EQ(rozbijTekst(c.text, c.separator, c.open, c.close), c.parts);
    }
}

} // namespace
