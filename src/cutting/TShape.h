// One shape of a cut line: a straight line, or a quadratic curve sampled into 101 straight pieces.
#pragma once

#include "cutting/Tline.h"

#include <memory>
#include <vector>

class TShape {
  public:
    std::vector<Tline> lines;
    int startX = 0;
    int startY = 0;
    int endX = 0;
    int endY = 0;
    int controlX = 0;
    int controlY = 0;

    // Stores the three points scaled and truncated, then samples the curve from start to end pulled
    // toward the control point. `flag` is kept for callers and has no effect.
    void createShape(int startX, int startY, int endX, int endY, int controlX, int controlY, int flag,
                     float scale);
    // Draws every line record on the canvas in its own colour.
    void draw() const;
};

using TShapePtr = std::shared_ptr<TShape>;
