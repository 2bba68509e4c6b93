// Image fonts: a TrueType face rasterised by FreeType into anti-aliased glyphs, kept in an atlas
// pixmap that the renderer uploads on first use. Text can also be rendered straight into a pixmap
// (the data tree generator labels its buttons that way).
#pragma once

#include "platform/Pixmap.h"

#include <memory>
#include <string>

namespace platform {

class ImageFont;
using ImageFontPtr = std::shared_ptr<ImageFont>;

class ImageFont {
  public:
    ~ImageFont();
    ImageFont(const ImageFont&) = delete;
    ImageFont& operator=(const ImageFont&) = delete;

    // `size` is the pixel size of the em square; `smooth` selects anti-aliased glyphs. Null when the
    // file cannot be read as a font.
    static ImageFontPtr load(const std::string& path, int size, bool smooth = true);

    int size() const;
    // Advance width of the text in pixels (UTF-8), and the height of one line.
    int textWidth(const std::string& text);
    int textHeight() const;
    int ascent() const;

    // Draws the text with its top-left corner at (x, y), blending `argb` by glyph coverage.
    void renderInto(Pixmap& target, const std::string& text, int x, int y, uint32_t argb);

    struct Impl;
    Impl& impl() { return *impl_; }

  private:
    explicit ImageFont(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
