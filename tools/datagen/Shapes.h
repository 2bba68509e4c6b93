// Signed distance functions (negative inside, in pixels) for the shapes the art is built from.
#pragma once

#include "Maths.h"

#include <vector>

namespace datagen {

float sdCircle(float x, float y, float cx, float cy, float radius);
// Rectangle with rounded corners, given by its centre and half sizes.
float sdRoundRect(float x, float y, float cx, float cy, float halfWidth, float halfHeight, float radius);
// A stroke from a to b with round ends.
float sdSegment(float x, float y, Vec2 a, Vec2 b, float halfThickness);
// Closed polygon (any winding).
float sdPolygon(float x, float y, const std::vector<Vec2>& points);
// Ellipse (approximate distance, good for anti-aliasing).
float sdEllipse(float x, float y, float cx, float cy, float rx, float ry);

// A jigsaw piece centred at (cx, cy) with body half-size `half`, rotated by `angle`. Each side has a
// knob: +1 out, -1 in, 0 flat; sides in order top, right, bottom, left.
struct PieceSides {
    int top = 1, right = -1, bottom = 1, left = -1;
};
float sdPiece(float x, float y, float cx, float cy, float half, float angle, PieceSides sides);

inline float sdUnion(float a, float b) {
    return std::min(a, b);
}
inline float sdSubtract(float a, float b) {
    return std::max(a, -b);
}
inline float sdIntersect(float a, float b) {
    return std::max(a, b);
}
// Smooth union with blend radius k.
float sdSmoothUnion(float a, float b, float k);

} // namespace datagen
