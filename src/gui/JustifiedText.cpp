// Wrapped and aligned paragraph layout.
#include "gui/JustifiedText.h"

#include "platform/Draw.h"
#include "storage/TSCChars.h"

namespace {

enum Alignment { alignRight = 0, alignLeft = 1, alignCenter = 2, alignJustify = 3 };

std::string trimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

int alignmentCode(const std::string& alignment) {
    const std::string name = trimSpaces(alignment);
    if (SameText(name, "RIGHT")) return alignRight;
    if (SameText(name, "CENTER")) return alignCenter;
    if (SameText(name, "JUSTIFY")) return alignJustify;
    return alignLeft;
}

float widthOf(const std::string& text) {
    return static_cast<float>(platform::textWidth(text));
}

} // namespace

std::vector<std::string> rozbijTekst(const std::string& text, const std::string& separator,
                                     const std::string& openQuote, const std::string& closeQuote) {
    std::vector<std::string> parts;
    // Nothing to cut at: the scan below would never move past an empty separator.
    if (separator.empty()) {
        if (!text.empty()) parts.push_back(text);
        return parts;
    }
    const bool quoting = !openQuote.empty() && !closeQuote.empty();
    const size_t length = separator.size();
    std::string current;
    bool quoted = false;
    size_t position = 0;
    while (position < text.size()) {
        if (position + length <= text.size()) {
            if ((!quoted || !quoting) && text.compare(position, length, separator) == 0) {
                parts.push_back(current);
                current.clear();
                position += length;
                continue;
            }
            const char c = text[position];
            if (quoting && ((!quoted && c == openQuote[0]) || c == closeQuote[0])) {
                quoted = !quoted && c == openQuote[0];
                ++position;
                continue;
            }
        }
        current += text[position];
        ++position;
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

TSpecTextLayout layoutSpecText(const std::string& text, int x, int y, float width,
                               const std::string& alignment, int lineGap) {
    TSpecTextLayout layout;
    // The added space ends the last word with a separator like every other word.
    const std::vector<std::string> words = rozbijTekst(text + " ", " ", "", "");
    const int align = alignmentCode(alignment);
    const int lineHeight = platform::textHeight() + lineGap;
    const float left = static_cast<float>(x);

    auto place = [&](const std::string& run, float px, int ly) {
        layout.pieces.push_back({run, px, static_cast<float>(ly)});
    };
    // A line drawn as one run, for every alignment but a full justified line.
    auto placeLine = [&](const std::string& line, int ly) {
        switch (align) {
        case alignRight:
            place(line, left + width - widthOf(line), ly);
            break;
        case alignCenter:
            place(line, left + width / 2 - static_cast<float>(platform::textWidth(line) / 2), ly);
            break;
        default:
            place(line, left, ly);
            break;
        }
    };

    std::string line;
    std::string lineWords; // the line's words without spaces, for justification
    size_t first = 0;      // index of the line's first word
    int lineNo = 0;
    bool lastLinePlaced = false;
    for (size_t i = 0; i < words.size();) {
        const std::string& word = words[i];
        // The space is counted even before a line's first word.
        const bool full = widthOf(line + " " + word) > width;
        if (!full) {
            line = line.empty() ? word : line + " " + word;
            lineWords += word;
            ++i;
            continue;
        }
        const int ly = y + lineHeight * lineNo;
        if (i == first) {
            // The word does not fit even on a line of its own; wrapping again would never end.
            place(word, left, ly);
            ++i;
            first = i;
            if (i < words.size()) {
                ++lineNo;
            } else {
                lastLinePlaced = true;
            }
            continue;
        }
        const size_t last = i - 1;
        if (align == alignJustify) {
            const float gap =
                last == first ? 8.0f : (width - widthOf(lineWords)) / static_cast<float>(last - first);
            std::string before;
            for (size_t j = first; j <= last; ++j) {
                place(words[j], left + static_cast<float>(j - first) * gap + widthOf(before), ly);
                before += words[j];
            }
        } else {
            placeLine(trimSpaces(line), ly);
        }
        ++lineNo;
        line.clear();
        lineWords.clear();
        first = i;
    }
    // The last line is never stretched: a justified paragraph ends left-aligned.
    if (!lastLinePlaced) placeLine(line, y + lineHeight * lineNo);
    layout.lastLineOffset = lineHeight * lineNo;
    return layout;
}

int drawSpecText(const std::string& text, int x, int y, float width, const std::string& alignment, float,
                 const platform::ImageFontPtr& font, int lineGap) {
    if (font) platform::setImageFont(font);
    const TSpecTextLayout layout = layoutSpecText(text, x, y, width, alignment, lineGap);
    for (const auto& piece : layout.pieces) platform::drawText(piece.text, piece.x, piece.y);
    return layout.lastLineOffset;
}
