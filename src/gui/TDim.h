// The rectangle that places a button and tests the mouse against it: an anchor point, a size and a
// scale about the centre.
#pragma once

#include <memory>

class TDim {
  public:
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    float spare = 0;    // kept from the constructor, read by nothing
    int anchorMode = 0; // 0: (x, y) is the top-left corner, 1: (x, y) is the centre
    float scaleX = 0;
    float scaleY = 0;
    float offsetX = 0;
    float offsetY = 0;

    TDim() = default;
    TDim(float x, float y, float width, float height, float spare, float scaleX, float scaleY,
         int anchorMode);

    // Edges are derived on every call, so moving or scaling the rectangle needs no bookkeeping.
    float Left() const;
    float Top() const;
    float Bottom() const;
    float Right() const;

    // Strict on every side: a point on an edge is outside.
    bool InXY(float px, float py) const;
    bool InX(float px) const;
    bool InY(float py) const;
    // Any point-like object with x and y.
    template <class Point> bool in(const Point& point) const {
        return InXY(static_cast<float>(point.x), static_cast<float>(point.y));
    }
};

using TDimPtr = std::shared_ptr<TDim>;

TDimPtr CreateDim(float x, float y, float width, float height, float spare, float scaleX, float scaleY,
                  int anchorMode);
