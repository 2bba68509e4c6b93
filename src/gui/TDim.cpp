// Rectangle edges and hit tests.
#include "gui/TDim.h"

namespace {

// One axis of the rectangle: where its near edge lies for the given anchor, size, scale and offset.
float nearEdge(int anchorMode, float anchor, float size, float scale, float offset) {
    float base = 0;
    if (anchorMode == 0) {
        base = anchor;
    } else if (anchorMode == 1) {
        base = anchor - size / 2;
    } else {
        return 0;
    }
    return base - size * (scale - 1) / 2 + offset;
}

} // namespace

TDim::TDim(float x, float y, float width, float height, float spare, float scaleX, float scaleY,
           int anchorMode)
    : x(x), y(y), width(width), height(height), spare(spare), anchorMode(anchorMode), scaleX(scaleX),
      scaleY(scaleY) {}

float TDim::Left() const {
    return nearEdge(anchorMode, x, width, scaleX, offsetX);
}
float TDim::Top() const {
    return nearEdge(anchorMode, y, height, scaleY, offsetY);
}
float TDim::Right() const {
    return Left() + width * scaleX;
}
float TDim::Bottom() const {
    return Top() + height * scaleY;
}

bool TDim::InX(float px) const {
    return Left() < px && px < Right();
}
bool TDim::InY(float py) const {
    return Top() < py && py < Bottom();
}
bool TDim::InXY(float px, float py) const {
    return InX(px) && InY(py);
}

TDimPtr CreateDim(float x, float y, float width, float height, float spare, float scaleX, float scaleY,
                  int anchorMode) {
    return std::make_shared<TDim>(x, y, width, height, spare, scaleX, scaleY, anchorMode);
}
