// CPU-side 32-bit ARGB pixel arrays (alpha in the top byte), the game's raw picture data.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Pixmap;
using PixmapPtr = std::shared_ptr<Pixmap>;

class Pixmap {
  public:
    // Asks for a pixmap whose pixels are left as they come, for code that writes every one of them.
    struct Uninitialised {};
    static constexpr Uninitialised uninitialised{};

    Pixmap(int width, int height, uint32_t fill = 0);
    Pixmap(int width, int height, Uninitialised);
    // Copies go through copy(), which gives the copy a texture of its own.
    Pixmap(const Pixmap&) = delete;
    Pixmap& operator=(const Pixmap&) = delete;
    Pixmap(Pixmap&&) noexcept = default;
    Pixmap& operator=(Pixmap&&) noexcept = default;

    static PixmapPtr create(int width, int height, uint32_t fill = 0) {
        return std::make_shared<Pixmap>(width, height, fill);
    }
    static PixmapPtr create(int width, int height, Uninitialised) {
        return std::make_shared<Pixmap>(width, height, uninitialised);
    }

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Reads outside the pixmap give 0; writes outside it are ignored.
    uint32_t read(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : 0; }
    void write(int x, int y, uint32_t argb) {
        if (contains(x, y)) {
            pixels_[index(x, y)] = argb;
            ++revision_;
        }
    }

    // Direct row-major access for bulk work; call touch() after writing through it.
    uint32_t* data() { return pixels_.get(); }
    const uint32_t* data() const { return pixels_.get(); }
    void touch() { ++revision_; }
    uint64_t revision() const { return revision_; }

    void clear(uint32_t argb);
    // Pixels whose colour bits equal rgb become fully transparent, all others fully opaque.
    void maskColour(uint32_t rgb);
    PixmapPtr copy() const;
    PixmapPtr crop(int x, int y, int w, int h) const;

    // The platform keeps a texture made from this pixmap here when it is drawn directly.
    std::shared_ptr<void> texture;

  private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
    size_t size() const { return static_cast<size_t>(width_) * height_; }
    int width_;
    int height_;
    std::unique_ptr<uint32_t[]> pixels_;
    uint64_t revision_ = 0;
};

constexpr uint32_t argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr uint32_t alphaOf(uint32_t p) {
    return p >> 24;
}
constexpr uint32_t redOf(uint32_t p) {
    return (p >> 16) & 0xFF;
}
constexpr uint32_t greenOf(uint32_t p) {
    return (p >> 8) & 0xFF;
}
constexpr uint32_t blueOf(uint32_t p) {
    return p & 0xFF;
}

// Decodes a PNG or JPEG file (recognised by its contents); null when it cannot be read.
PixmapPtr loadPixmap(const std::string& path);
PixmapPtr decodePixmap(const std::vector<uint8_t>& bytes);
// Encoders for screenshots and the data tree generator; false when the file cannot be written.
bool savePng(const Pixmap& pixmap, const std::string& path);
bool saveJpeg(const Pixmap& pixmap, const std::string& path, int quality = 92);

} // namespace platform
