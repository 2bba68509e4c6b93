// Pixmap operations that touch every pixel.
#include "platform/Pixmap.h"

#include <algorithm>

namespace platform {

Pixmap::Pixmap(int width, int height, uint32_t fill)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

void Pixmap::clear(uint32_t argb) {
    std::fill(pixels_.begin(), pixels_.end(), argb);
    ++revision_;
}

void Pixmap::maskColour(uint32_t rgb) {
    rgb &= 0xFFFFFF;
    for (uint32_t& p : pixels_) {
        p = (p & 0xFFFFFF) == rgb ? (p & 0xFFFFFF) : (p | 0xFF000000u);
    }
    ++revision_;
}

PixmapPtr Pixmap::copy() const {
    auto result = create(width_, height_);
    result->pixels_ = pixels_;
    return result;
}

PixmapPtr Pixmap::crop(int x, int y, int w, int h) const {
    auto result = create(w, h);
    for (int row = 0; row < result->height_; ++row) {
        for (int col = 0; col < result->width_; ++col) {
            result->pixels_[result->index(col, row)] = read(x + col, y + row);
        }
    }
    return result;
}

} // namespace platform
