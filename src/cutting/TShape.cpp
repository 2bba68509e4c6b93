// Curve sampling and drawing of one cut-line shape.
#include "cutting/TShape.h"

#include "platform/Draw.h"

void TShape::createShape(int sx, int sy, int ex, int ey, int cx, int cy, int /*flag*/, float scale) {
    startX = static_cast<int>(static_cast<float>(sx) * scale);
    startY = static_cast<int>(static_cast<float>(sy) * scale);
    endX = static_cast<int>(static_cast<float>(ex) * scale);
    endY = static_cast<int>(static_cast<float>(ey) * scale);
    controlX = static_cast<int>(static_cast<float>(cx) * scale);
    controlY = static_cast<int>(static_cast<float>(cy) * scale);

    // The parameter and the curve are evaluated in single precision: the pixels of every stored grid
    // depend on exactly where each truncation lands.
    const float ax = static_cast<float>(controlX - startX);
    const float ay = static_cast<float>(controlY - startY);
    const float bx = static_cast<float>(endX - 2 * controlX + startX);
    const float by = static_cast<float>(endY - 2 * controlY + startY);
    lines.reserve(lines.size() + 101);
    float t = 0.0f;
    int previousX = startX;
    int previousY = startY;
    do {
        const float px = static_cast<float>(startX) + 2.0f * t * ax + t * t * bx;
        const float py = static_cast<float>(startY) + 2.0f * t * ay + t * t * by;
        const int nextX = static_cast<int>(px);
        const int nextY = static_cast<int>(py);
        lines.emplace_back(previousX, previousY, nextX, nextY);
        t += 0.01f;
        if (t > 1.0f) t = 1.001f;
        previousX = nextX;
        previousY = nextY;
    } while (t < 1.0f);
}

void TShape::draw() const {
    for (const Tline& line : lines) {
        platform::setColour(line.red, line.green, line.blue);
        platform::drawLine(static_cast<float>(line.x1), static_cast<float>(line.y1),
                           static_cast<float>(line.x2), static_cast<float>(line.y2));
    }
}
