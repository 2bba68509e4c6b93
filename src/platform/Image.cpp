// Images: frames cut from a pixmap, drawn through a texture made on first use.
#include "platform/Image.h"

#include <algorithm>

namespace platform {

Image::Image(PixmapPtr pixmap, int frameWidth, int frameHeight, int firstFrame, int frameCount)
    : pixmap_(std::move(pixmap)), frameWidth_(std::max(0, frameWidth)),
      frameHeight_(std::max(0, frameHeight)), firstFrame_(std::max(0, firstFrame)),
      frameCount_(std::max(1, frameCount)) {
    if (!pixmap_) pixmap_ = Pixmap::create(0, 0);
}

ImagePtr Image::fromPixmap(PixmapPtr pixmap) {
    if (!pixmap) return nullptr;
    const int w = pixmap->width(), h = pixmap->height();
    return std::make_shared<Image>(std::move(pixmap), w, h, 0, 1);
}

ImagePtr Image::fromStrip(PixmapPtr pixmap, int frameWidth, int frameHeight, int firstFrame, int frameCount) {
    if (!pixmap) return nullptr;
    return std::make_shared<Image>(std::move(pixmap), frameWidth, frameHeight, firstFrame, frameCount);
}

ImagePtr Image::load(const std::string& path) {
    return fromPixmap(loadPixmap(path));
}

namespace {

int framesPerRow(int pixmapWidth, int frameWidth) {
    return frameWidth > 0 ? std::max(1, pixmapWidth / frameWidth) : 1;
}

} // namespace

int Image::frameLeft(int frame) const {
    return ((firstFrame_ + frame) % framesPerRow(pixmap_->width(), frameWidth_)) * frameWidth_;
}

int Image::frameTop(int frame) const {
    return ((firstFrame_ + frame) / framesPerRow(pixmap_->width(), frameWidth_)) * frameHeight_;
}

PixmapPtr Image::framePixmap(int frame) const {
    return pixmap_->crop(frameLeft(frame), frameTop(frame), frameWidth_, frameHeight_);
}

} // namespace platform
