// Paragraphs wrapped at spaces into a box of a given width, aligned left, right, centred or justified,
// and the word splitter behind them.
#pragma once

#include "platform/Font.h"

#include <string>
#include <vector>

// Cuts `text` at every occurrence of `separator`. Two separators in a row give an empty part; a
// separator at the end gives no empty last part. With both quotes set, separators between an opening
// and a closing quote do not cut, and the quote characters are dropped. An empty separator cuts
// nothing.
std::vector<std::string> rozbijTekst(const std::string& text, const std::string& separator,
                                     const std::string& openQuote, const std::string& closeQuote);

// One run of text placed by the layout.
struct TSpecTextPiece {
    std::string text;
    float x = 0;
    float y = 0;
};

struct TSpecTextLayout {
    std::vector<TSpecTextPiece> pieces;
    int lastLineOffset = 0; // how far below the top the last line stands
};

// Where drawSpecText puts each run of text, measured with the current image font. A word too wide
// for the box gets a line of its own, starting at x.
TSpecTextLayout layoutSpecText(const std::string& text, int x, int y, float width,
                               const std::string& alignment, int lineGap);

// Draws the paragraph with `font` (made current; null keeps the current one) and the current colour,
// alpha and blend. `alignment` is "LEFT", "RIGHT", "CENTER" or "JUSTIFY" in any case, spaces around
// it ignored; anything else is left. Returns the offset of the last line from y.
int drawSpecText(const std::string& text, int x, int y, float width, const std::string& alignment,
                 float unused, const platform::ImageFontPtr& font, int lineGap);
