// FreeType rasterising of image fonts into a growing glyph atlas.
#include "platform/Files.h"
#include "platform/internal/FontImpl.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

FT_Library library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        return FT_Init_FreeType(&l) == 0 ? l : nullptr;
    }();
    return lib;
}

} // namespace

std::u32string decodeUtf8(const std::string& text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + static_cast<size_t>(extra) >= text.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t code = extra == 0 ? c : c & (0x3F >> extra);
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(code);
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

const Glyph& ImageFont::Impl::glyph(char32_t code) {
    if (auto it = glyphs.find(code); it != glyphs.end()) return it->second;
    Glyph g;
    g.index = FT_Get_Char_Index(face, code);
    const FT_Int32 flags = FT_LOAD_RENDER | (smooth ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO);
    if (FT_Load_Glyph(face, g.index, flags) == 0) {
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        g.width = static_cast<int>(bitmap.width);
        g.height = static_cast<int>(bitmap.rows);
        g.left = slot->bitmap_left;
        g.top = ascent - slot->bitmap_top;
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        if (g.width > 0 && g.height > 0) {
            if (shelfX + g.width + 1 > atlas->width()) {
                shelfX = 1;
                shelfY += shelfHeight + 1;
                shelfHeight = 0;
            }
            if (shelfY + g.height + 1 > atlas->height()) {
                auto bigger = Pixmap::create(
                    atlas->width(), std::max(atlas->height() * 2, shelfY + g.height + 2), 0x00FFFFFF);
                std::memcpy(bigger->data(), atlas->data(),
                            sizeof(uint32_t) * static_cast<size_t>(atlas->width()) * atlas->height());
                atlas = bigger;
            }
            g.atlasX = shelfX;
            g.atlasY = shelfY;
            for (int row = 0; row < g.height; ++row) {
                for (int col = 0; col < g.width; ++col) {
                    unsigned coverage;
                    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                        coverage =
                            (bitmap.buffer[row * bitmap.pitch + col / 8] >> (7 - col % 8)) & 1 ? 255 : 0;
                    } else {
                        coverage = bitmap.buffer[row * bitmap.pitch + col];
                    }
                    atlas->data()[static_cast<size_t>(g.atlasY + row) * atlas->width() + g.atlasX + col] =
                        (coverage << 24) | 0xFFFFFF;
                }
            }
            atlas->touch();
            shelfX += g.width + 1;
            shelfHeight = std::max(shelfHeight, g.height);
        }
    }
    return glyphs.emplace(code, g).first->second;
}

int ImageFont::Impl::kern(const Glyph& left, const Glyph& right) const {
    if (!kerning) return 0;
    FT_Vector delta;
    if (FT_Get_Kerning(face, left.index, right.index, FT_KERNING_DEFAULT, &delta) != 0) return 0;
    return static_cast<int>(delta.x >> 6);
}

ImageFont::ImageFont(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

ImageFont::~ImageFont() {
    if (impl_ && impl_->face) FT_Done_Face(impl_->face);
}

ImageFontPtr ImageFont::load(const std::string& path, int size, bool smooth) {
    if (!library() || size <= 0) return nullptr;
    auto bytes = loadBytes(path);
    if (!bytes || bytes->empty()) return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->fileBytes = std::move(*bytes);
    if (FT_New_Memory_Face(library(), impl->fileBytes.data(), static_cast<FT_Long>(impl->fileBytes.size()), 0,
                           &impl->face) != 0) {
        return nullptr;
    }
    if (FT_Set_Pixel_Sizes(impl->face, 0, static_cast<FT_UInt>(size)) != 0) {
        FT_Done_Face(impl->face);
        return nullptr;
    }
    impl->size = size;
    impl->smooth = smooth;
    impl->ascent = static_cast<int>((impl->face->size->metrics.ascender + 63) >> 6);
    const int descent = static_cast<int>((-impl->face->size->metrics.descender + 63) >> 6);
    impl->lineHeight = impl->ascent + descent;
    impl->kerning = FT_HAS_KERNING(impl->face);
    impl->atlas = Pixmap::create(512, 128, 0x00FFFFFF);
    for (char32_t c = 32; c < 127; ++c) impl->glyph(c);
    return ImageFontPtr(new ImageFont(std::move(impl)));
}

int ImageFont::size() const {
    return impl_->size;
}
int ImageFont::textHeight() const {
    return impl_->lineHeight;
}
int ImageFont::ascent() const {
    return impl_->ascent;
}

int ImageFont::textWidth(const std::string& text) {
    return impl_->layout(decodeUtf8(text), [](const Glyph&, int) {});
}

void ImageFont::renderInto(Pixmap& target, const std::string& text, int x, int y, uint32_t colour) {
    impl_->layout(decodeUtf8(text), [&](const Glyph& g, int pen) {
        for (int row = 0; row < g.height; ++row) {
            for (int col = 0; col < g.width; ++col) {
                const int tx = x + pen + g.left + col, ty = y + g.top + row;
                if (!target.contains(tx, ty)) continue;
                const uint32_t coverage = impl_->atlas->read(g.atlasX + col, g.atlasY + row) >> 24;
                const uint32_t a = coverage * alphaOf(colour) / 255;
                if (a == 0) continue;
                const uint32_t dst = target.read(tx, ty);
                const uint32_t da = alphaOf(dst);
                // "over" compositing on straight (non-premultiplied) alpha
                const uint32_t outA = a + da * (255 - a) / 255;
                auto mix = [&](uint32_t s, uint32_t d) {
                    return outA == 0 ? 0u : (s * a + d * da * (255 - a) / 255) / outA;
                };
                target.write(tx, ty,
                             argb(outA, mix(redOf(colour), redOf(dst)), mix(greenOf(colour), greenOf(dst)),
                                  mix(blueOf(colour), blueOf(dst))));
            }
        }
    });
}

} // namespace platform
