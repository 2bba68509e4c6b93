// The piece's hover test, shadow, hint pulse and flight.
#include "cutting/TPuzel.h"

#include "core/TDeltaTime.h"
#include "core/TMouse.h"
#include "cutting/TPieceHost.h"
#include "platform/Draw.h"
#include "platform/Random.h"

#include <cmath>
#include <numbers>

void TPuzel::updateCurve() {
    if (curveT >= 1.0f) return;
    const float p0x = static_cast<float>(static_cast<int>(x));
    const float p0y = static_cast<float>(static_cast<int>(y));
    const float p2x = static_cast<float>(static_cast<int>(homeX));
    const float p2y = static_cast<float>(static_cast<int>(homeY));
    const float t = curveT;
    curveX = p0x + 2.0f * t * (controlX - p0x) + t * t * (p0x - 2.0f * controlX + p2x);
    curveY = p0y + 2.0f * t * (controlY - p0y) + t * t * (p0y - 2.0f * controlY + p2y);
    curveT += 0.005f * delta;
    if (curveT > 1.0f) {
        curveT = 1.0f;
        // The end of the curve is home itself; set it directly so rounding cannot leave the piece a
        // fraction of a pixel off.
        curveX = p2x;
        curveY = p2y;
        x = curveX;
        y = curveY;
    }
    _sparki();
}

void TPuzel::_sparki() {
    const int slot = platform::Rand(0, 2);
    const int px = static_cast<int>(curveX + static_cast<float>(platform::Rand(0, width() - 10)));
    const int py = static_cast<int>(curveY + static_cast<float>(platform::Rand(0, height() - 10)));
    const int life = platform::Rand(50, 100);
    const int green = platform::Rand(50, 100);
    const int blue = platform::Rand(50, 100);
    const float vx = platform::Rnd(-0.5f, 0.5f);
    const float vy = platform::Rnd(-0.5f, 0.5f);
    if (pieceHost) pieceHost->spark(slot, px, py, 1.0f, life, 100, green, blue, 1, 1, vx, vy);
}

int TPuzel::_zgadzaSie(const TWsp& p) const {
    for (const TWsp& e : edgePixels) {
        if (e.x == p.x && e.y == p.y) return 1;
    }
    return 0;
}

int TPuzel::_nieSasiad(const std::shared_ptr<TPuzel>& other) const {
    for (const auto& link : neighbours) {
        if (link && link->puzel() == other) return 0;
    }
    return 1;
}

void TPuzel::drawShadow(float scale, float dx, float dy) {
    const int w = width(), h = height();
    if (w <= 0 || h <= 0) return;
    platform::setColour(0, 0, 0);
    const float sx = static_cast<float>(static_cast<int>(x + 1 + dx));
    const float sy = static_cast<float>(static_cast<int>(y + 6 + dy));
    for (int i = 1; i <= 7; ++i) {
        const int g = i - 4;
        // Integer division: the first layer gets cos 90 degrees, that is no alpha at all.
        const double angle = 90.0 * ((8 - i) / 7) * std::numbers::pi / 180.0;
        platform::setAlpha(static_cast<float>(std::cos(angle)) * shadowAlpha * 0.07f);
        platform::setScale(scale * static_cast<float>(w + g) / static_cast<float>(w),
                           scale * static_cast<float>(h + g) / static_cast<float>(h));
        platform::drawImage(image, sx, sy);
    }
}

void TPuzel::_drawAt(float scale, float px, float py) {
    platform::setAlpha(1.0f);
    if (hover) {
        platform::setColour(230, 230, 230);
    } else {
        platform::setColour(255, 255, 255);
    }
    platform::setScale(scale, scale);
    if (hint) platform::setColour(255, static_cast<int>(pulse), static_cast<int>(pulse));
    platform::drawImage(image, px, py);
    platform::setScale(1, 1);
    platform::setColour(255, 255, 255);
}

void TPuzel::drawCurve(float scale, int dx, int dy) {
    _drawAt(scale, curveX + static_cast<float>(dx), curveY + static_cast<float>(dy));
}

void TPuzel::draw(float scale, int dx, int dy) {
    _drawAt(scale, x + static_cast<float>(dx), y + static_cast<float>(dy));
}

bool TPuzel::covers(float px, float py) const {
    return x < px && px < x + static_cast<float>(width()) && y < py && py < y + static_cast<float>(height());
}

int TPuzel::_mouseOver(float, float, float) {
    if (!mouse || !covers(static_cast<float>(mouse->x), static_cast<float>(mouse->y))) return 0;
    return pieceHost ? pieceHost->moznaOver(*this) : 1;
}

void TPuzel::update(float scale, float dx, float dy) {
    hover = _mouseOver(scale, dx, dy);
    picked = hover == 1 && mouse && mouse->leftHit ? 1 : 0;
    if (picked) {
        if (pieceHost) {
            if (auto self = weak_from_this().lock()) pieceHost->setPuzzel(self);
        }
        targetAlpha = 1.0f;
        oczysc();
    }
    alphaUpdate();
}

void TPuzel::oczysc() {
    if (!pieceHost) return;
    for (const auto& piece : pieceHost->allPieceList()) {
        if (piece) piece->hint = 0;
    }
}

int TPuzel::wObszarze(int rx, int ry, int rw, int rh) const {
    const int cx = static_cast<int>(x + static_cast<float>(width() / 2));
    const int cy = static_cast<int>(y + static_cast<float>(height() / 2));
    if (rw < 0) {
        rx += rw;
        rw = -rw;
    }
    if (rh < 0) {
        ry += rh;
        rh = -rh;
    }
    return rx < cx && cx < rx + rw && ry < cy && cy < ry + rh ? 1 : 0;
}

void TPuzel::alphaUpdate() {
    // Toward the target whatever the sign or size of the frame delta, and never past it.
    const float step = std::fabs(0.06f * delta);
    if (shadowAlpha > targetAlpha) {
        shadowAlpha -= step;
        if (shadowAlpha < targetAlpha) shadowAlpha = targetAlpha;
    }
    if (shadowAlpha < targetAlpha) {
        shadowAlpha += step;
        if (shadowAlpha > targetAlpha) shadowAlpha = targetAlpha;
    }
    if (hint == 0) {
        pulse = 255;
    } else {
        pulse += pulseDir * 4.0f * delta;
        if (pulse < 0) {
            pulse = 0;
            pulseDir = 1;
        }
        if (pulse > 255) {
            pulse = 255;
            pulseDir = -1;
        }
        if (picked) hint = 0;
    }
}
