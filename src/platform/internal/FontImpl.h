// The inside of an image font, shared by Font.cpp (rasterising) and Draw.cpp (drawing).
#pragma once

#include "platform/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

struct Glyph {
    int atlasX = 0, atlasY = 0, width = 0, height = 0;
    int left = 0;    // from the pen position to the glyph's left edge
    int top = 0;     // from the line's top to the glyph's top edge
    int advance = 0; // pen advance in pixels
    unsigned index = 0;
};

struct ImageFont::Impl {
    FT_Face face = nullptr;
    std::vector<uint8_t> fileBytes; // FreeType reads the face from this memory
    int size = 0;
    bool smooth = true;
    int ascent = 0, lineHeight = 0;
    bool kerning = false;
    std::unordered_map<char32_t, Glyph> glyphs;
    PixmapPtr atlas; // white, alpha = coverage
    int shelfX = 1, shelfY = 1, shelfHeight = 0;
    std::shared_ptr<void> texture;

    const Glyph& glyph(char32_t code);
    int kern(const Glyph& left, const Glyph& right) const;

    // Lays the text out on one line: calls place(glyph, pen) for each glyph, the pen starting at 0 and
    // moving by advance and kerning; returns the pen after the last glyph.
    template <typename Place> int layout(const std::u32string& codes, Place&& place) {
        int pen = 0;
        const Glyph* previous = nullptr;
        for (char32_t c : codes) {
            const Glyph& g = glyph(c);
            if (previous) pen += kern(*previous, g);
            place(g, pen);
            pen += g.advance;
            previous = &g;
        }
        return pen;
    }
};

// Decodes UTF-8 (invalid bytes become U+FFFD) into code points.
std::u32string decodeUtf8(const std::string& text);

} // namespace platform
