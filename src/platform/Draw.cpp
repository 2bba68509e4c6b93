// Drawing on the canvas with the current colour, alpha, blend mode, scale and rotation.
#include "platform/Draw.h"
#include "platform/internal/Backend.h"
#include "platform/internal/FontImpl.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace internal {

DrawState& drawState() {
    static DrawState state;
    return state;
}

namespace {

SDL_BlendMode sdlBlend(int mode) {
    switch (mode) {
    case blendSolid:
        return SDL_BLENDMODE_NONE;
    case blendAdditive:
        return SDL_BLENDMODE_ADD;
    case blendMultiply:
        return SDL_BLENDMODE_MUL;
    default:
        return SDL_BLENDMODE_BLEND;
    }
}

Uint8 alphaByte() {
    const auto& s = drawState();
    // Masked drawing shows the image's own pixels as they are, whatever the global alpha.
    if (s.blend == blendMasked || s.blend == blendSolid) return 255;
    return static_cast<Uint8>(std::lround(std::clamp(s.alpha, 0.0f, 1.0f) * 255.0f));
}

SDL_Renderer* renderer() {
    return graphics().renderer;
}

} // namespace

void applyState(SDL_Texture* texture) {
    const auto& s = drawState();
    SDL_SetTextureColorMod(texture, static_cast<Uint8>(s.red), static_cast<Uint8>(s.green),
                           static_cast<Uint8>(s.blue));
    SDL_SetTextureAlphaMod(texture, alphaByte());
    SDL_SetTextureBlendMode(texture, sdlBlend(s.blend));
}

} // namespace internal

using internal::drawState;

void setColour(int red, int green, int blue) {
    auto& s = drawState();
    s.red = std::clamp(red, 0, 255);
    s.green = std::clamp(green, 0, 255);
    s.blue = std::clamp(blue, 0, 255);
}

void getColour(int& red, int& green, int& blue) {
    red = drawState().red;
    green = drawState().green;
    blue = drawState().blue;
}

void setAlpha(float alpha) {
    drawState().alpha = std::clamp(alpha, 0.0f, 1.0f);
}
float getAlpha() {
    return drawState().alpha;
}
void setBlend(int mode) {
    drawState().blend = mode;
}
int getBlend() {
    return drawState().blend;
}
void setScale(float sx, float sy) {
    drawState().scaleX = sx;
    drawState().scaleY = sy;
}
float getScaleX() {
    return drawState().scaleX;
}
float getScaleY() {
    return drawState().scaleY;
}
void setRotation(float degrees) {
    drawState().rotation = degrees;
}
float getRotation() {
    return drawState().rotation;
}
void setClearColour(int red, int green, int blue) {
    drawState().clearRed = std::clamp(red, 0, 255);
    drawState().clearGreen = std::clamp(green, 0, 255);
    drawState().clearBlue = std::clamp(blue, 0, 255);
}

void setImageFont(const ImageFontPtr& font) {
    drawState().font = font;
}
const ImageFontPtr& getImageFont() {
    return drawState().font;
}
int textWidth(const std::string& text) {
    return drawState().font ? drawState().font->textWidth(text) : 0;
}
int textHeight() {
    return drawState().font ? drawState().font->textHeight() : 0;
}

void cls() {
    SDL_Renderer* r = internal::renderer();
    if (!r) return;
    const auto& s = drawState();
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, static_cast<Uint8>(s.clearRed), static_cast<Uint8>(s.clearGreen),
                           static_cast<Uint8>(s.clearBlue), 255);
    SDL_RenderClear(r);
}

void drawImage(const ImagePtr& image, float x, float y, int frame) {
    if (image) drawImage(*image, x, y, frame);
}

void drawImage(const Image& image, float x, float y, int frame) {
    SDL_Renderer* r = internal::renderer();
    if (!r || image.width() <= 0 || image.height() <= 0 || frame < 0 || frame >= image.frames()) return;
    SDL_Texture* texture = internal::textureFor(image.texture, *image.pixmap());
    if (!texture) return;
    internal::applyState(texture);
    const auto& s = drawState();
    const SDL_Rect src{image.frameLeft(frame), image.frameTop(frame), image.width(), image.height()};
    const float sx = std::fabs(s.scaleX), sy = std::fabs(s.scaleY);
    SDL_FRect dst{x - image.handleX() * sx, y - image.handleY() * sy, image.width() * sx,
                  image.height() * sy};
    if (sx == 1.0f && sy == 1.0f && s.rotation == 0.0f) {
        // Unscaled images land on whole pixels so they stay crisp on every renderer.
        dst.x = std::trunc(dst.x);
        dst.y = std::trunc(dst.y);
        SDL_RenderCopyF(r, texture, &src, &dst);
        return;
    }
    const SDL_FPoint centre{image.handleX() * sx, image.handleY() * sy};
    const int flip = (s.scaleX < 0 ? SDL_FLIP_HORIZONTAL : 0) | (s.scaleY < 0 ? SDL_FLIP_VERTICAL : 0);
    SDL_RenderCopyExF(r, texture, &src, &dst, s.rotation, &centre, static_cast<SDL_RendererFlip>(flip));
}

void drawPixmap(Pixmap& pixmap, int x, int y) {
    SDL_Renderer* r = internal::renderer();
    if (!r) return;
    SDL_Texture* texture = internal::textureFor(pixmap.texture, pixmap);
    if (!texture) return;
    internal::applyState(texture);
    const SDL_Rect dst{x, y, pixmap.width(), pixmap.height()};
    SDL_RenderCopy(r, texture, nullptr, &dst);
}

namespace {

void prepareShapes(SDL_Renderer* r) {
    const auto& s = drawState();
    SDL_SetRenderDrawBlendMode(r, internal::sdlBlend(s.blend));
    SDL_SetRenderDrawColor(r, static_cast<Uint8>(s.red), static_cast<Uint8>(s.green),
                           static_cast<Uint8>(s.blue), internal::alphaByte());
}

} // namespace

void drawLine(float x1, float y1, float x2, float y2) {
    SDL_Renderer* r = internal::renderer();
    if (!r) return;
    prepareShapes(r);
    const auto& s = drawState();
    SDL_RenderDrawLineF(r, x1, y1, x1 + (x2 - x1) * s.scaleX, y1 + (y2 - y1) * s.scaleY);
}

void drawRect(float x, float y, float width, float height) {
    SDL_Renderer* r = internal::renderer();
    if (!r) return;
    prepareShapes(r);
    const auto& s = drawState();
    const SDL_FRect rect{x, y, width * s.scaleX, height * s.scaleY};
    SDL_RenderFillRectF(r, &rect);
}

void drawText(const std::string& text, float x, float y) {
    SDL_Renderer* r = internal::renderer();
    const ImageFontPtr& font = drawState().font;
    if (!r || !font || text.empty()) return;
    auto& impl = font->impl();
    const std::u32string codes = decodeUtf8(text);
    for (char32_t c : codes) impl.glyph(c); // grow the atlas before uploading it
    SDL_Texture* texture = internal::textureFor(impl.texture, *impl.atlas);
    if (!texture) return;
    internal::applyState(texture);
    const auto& s = drawState();
    const bool unscaled = s.scaleX == 1.0f && s.scaleY == 1.0f;
    if (unscaled) {
        x = std::trunc(x);
        y = std::trunc(y);
    }
    impl.layout(codes, [&](const Glyph& g, int pen) {
        if (g.width <= 0 || g.height <= 0) return;
        const SDL_Rect src{g.atlasX, g.atlasY, g.width, g.height};
        const SDL_FRect dst{x + static_cast<float>(pen + g.left) * s.scaleX, y + g.top * s.scaleY,
                            g.width * s.scaleX, g.height * s.scaleY};
        SDL_RenderCopyF(r, texture, &src, &dst);
    });
}

PixmapPtr grabPixmap(int x, int y, int width, int height) {
    auto pixmap = Pixmap::create(width, height);
    SDL_Renderer* r = internal::renderer();
    if (!r || width <= 0 || height <= 0) return pixmap;
    const SDL_Rect rect{x, y, width, height};
    SDL_RenderReadPixels(r, &rect, SDL_PIXELFORMAT_ARGB8888, pixmap->data(), width * 4);
    for (int i = 0; i < width * height; ++i) pixmap->data()[i] |= 0xFF000000u; // the screen is opaque
    pixmap->touch();
    return pixmap;
}

} // namespace platform
