// Pixmap operations that touch every pixel.
#include "platform/Pixmap.h"

#include <algorithm>

namespace platform {

Pixmap::Pixmap(int width, int height, uint32_t fill) : Pixmap(width, height, uninitialised) {
    std::fill_n(pixels_.get(), size(), fill);
}

Pixmap::Pixmap(int width, int height, Uninitialised)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(std::make_unique_for_overwrite<uint32_t[]>(size())) {}

void Pixmap::clear(uint32_t argb) {
    std::fill_n(pixels_.get(), size(), argb);
    ++revision_;
}

void Pixmap::maskColour(uint32_t rgb) {
    rgb &= 0xFFFFFF;
    uint32_t* p = pixels_.get();
    for (size_t i = 0; i < size(); ++i) {
        p[i] = (p[i] & 0xFFFFFF) == rgb ? (p[i] & 0xFFFFFF) : (p[i] | 0xFF000000u);
    }
    ++revision_;
}

PixmapPtr Pixmap::copy() const {
    auto result = create(width_, height_, uninitialised);
    std::copy_n(pixels_.get(), size(), result->pixels_.get());
    return result;
}

PixmapPtr Pixmap::crop(int x, int y, int w, int h) const {
    auto result = create(w, h, uninitialised);
    for (int row = 0; row < result->height_; ++row) {
        for (int col = 0; col < result->width_; ++col) {
            result->pixels_[result->index(col, row)] = read(x + col, y + row);
        }
    }
    return result;
}

} // namespace platform
