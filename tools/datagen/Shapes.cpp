// Distance functions for circles, rounded boxes, strokes, polygons and jigsaw pieces.
#include "Shapes.h"

#include <algorithm>

namespace datagen {

float sdCircle(float x, float y, float cx, float cy, float radius) {
    return std::hypot(x - cx, y - cy) - radius;
}

float sdRoundRect(float x, float y, float cx, float cy, float halfWidth, float halfHeight, float radius) {
    radius = std::min({radius, halfWidth, halfHeight});
    const float qx = std::fabs(x - cx) - halfWidth + radius, qy = std::fabs(y - cy) - halfHeight + radius;
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
}

float sdSegment(float x, float y, Vec2 a, Vec2 b, float halfThickness) {
    const Vec2 pa{x - a.x, y - a.y}, ba = b - a;
    const float len2 = dot(ba, ba);
    const float h = len2 > 0 ? std::clamp(dot(pa, ba) / len2, 0.0f, 1.0f) : 0.0f;
    return length(pa - ba * h) - halfThickness;
}

float sdPolygon(float x, float y, const std::vector<Vec2>& v) {
    const Vec2 p{x, y};
    float d = dot(p - v[0], p - v[0]);
    float s = 1.0f;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        const Vec2 e = v[j] - v[i], w = p - v[i];
        const Vec2 b = w - e * std::clamp(dot(w, e) / dot(e, e), 0.0f, 1.0f);
        d = std::min(d, dot(b, b));
        const bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = e.x * w.y> e.y * w.x;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
}

float sdEllipse(float x, float y, float cx, float cy, float rx, float ry) {
    const float dx = (x - cx) / rx, dy = (y - cy) / ry;
    const float k = std::sqrt(dx * dx + dy * dy);
    // Scaled by the gradient length so the edge is about a pixel wide.
    const float gx = dx / rx, gy = dy / ry;
    const float g = std::sqrt(gx * gx + gy * gy);
    return g > 0 ? (k - 1) * k / g : -std::min(rx, ry);
}

float sdPiece(float x, float y, float cx, float cy, float half, float angle, PieceSides sides) {
    const Vec2 p = rotate(Vec2{x - cx, y - cy}, -angle);
    float d = sdRoundRect(p.x, p.y, 0, 0, half, half, half * 0.08f);
    const float knob = half * 0.36f;
    const float reach = half + knob * 0.72f;
    const int side[4] = {sides.top, sides.right, sides.bottom, sides.left};
    const Vec2 dirs[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (int i = 0; i < 4; ++i) {
        if (side[i] == 0) continue;
        if (side[i] > 0) {
            const Vec2 c = dirs[i] * reach;
            d = sdSmoothUnion(d, sdCircle(p.x, p.y, c.x, c.y, knob), knob * 0.35f);
        } else {
            const Vec2 c = dirs[i] * (half - knob * 0.72f);
            d = sdSubtract(d, sdCircle(p.x, p.y, c.x, c.y, knob) - knob * 0.02f);
        }
    }
    return d;
}

float sdSmoothUnion(float a, float b, float k) {
    const float h = std::clamp(0.5f + 0.5f * (b - a) / k, 0.0f, 1.0f);
    return mix(b, a, h) - k * h * (1 - h);
}

} // namespace datagen
