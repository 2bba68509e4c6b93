// Drawable images of one or more equal frames with a handle point. An image is made from a pixmap
// and uploaded to the renderer when it is first drawn, so images can be made before the graphics
// mode opens (and in tests that never open it). The pixels stay on the CPU side too: a renderer
// that loses its textures gets them back, and tests and tools can read any frame.
#pragma once

#include "platform/Pixmap.h"

#include <memory>
#include <string>

namespace platform {

class Image;
using ImagePtr = std::shared_ptr<Image>;

class Image {
  public:
    // Cuts `frameCount` frames of frameWidth x frameHeight from the pixmap, left to right and then
    // top to bottom, starting at frame `firstFrame`.
    Image(PixmapPtr pixmap, int frameWidth, int frameHeight, int firstFrame, int frameCount);

    static ImagePtr fromPixmap(PixmapPtr pixmap);
    static ImagePtr fromStrip(PixmapPtr pixmap, int frameWidth, int frameHeight, int firstFrame,
                              int frameCount);
    // Loads a PNG or JPEG as a one-frame image; null when the file cannot be read.
    static ImagePtr load(const std::string& path);

    int width() const { return frameWidth_; }
    int height() const { return frameHeight_; }
    int frames() const { return frameCount_; }
    float handleX() const { return handleX_; }
    float handleY() const { return handleY_; }
    void setHandle(float x, float y) {
        handleX_ = x;
        handleY_ = y;
    }
    void midHandle() { setHandle(frameWidth_ / 2, frameHeight_ / 2); }

    // The pixels of frame `frame` (a copy), for tests and tools.
    PixmapPtr framePixmap(int frame) const;

    const PixmapPtr& pixmap() const { return pixmap_; }
    // Where frame `frame` lies in the pixmap.
    int frameLeft(int frame) const;
    int frameTop(int frame) const;

    // Renderer-side copy, owned by the platform's drawing code: a cache, not part of the image's value.
    mutable std::shared_ptr<void> texture;

  private:
    PixmapPtr pixmap_;
    int frameWidth_, frameHeight_, firstFrame_, frameCount_;
    float handleX_ = 0, handleY_ = 0;
};

} // namespace platform
