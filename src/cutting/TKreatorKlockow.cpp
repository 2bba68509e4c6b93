// Grid, edge geometry of the five cut styles, and the CPU rasterisation of the cut lines.
#include "cutting/TKreatorKlockow.h"

#include "cutting/LineRaster.h"
#include "platform/Draw.h"
#include "platform/Random.h"

#include <algorithm>
#include <array>
#include <cstdlib>

std::shared_ptr<TKreatorKlockow> kreatorKlockow;

namespace {

// Float to int, toward zero. The formulas compute in single precision throughout: where a truncation
// lands decides the pixels, and a grid must always give the same lines.
int tr(float v) {
    return static_cast<int>(v);
}
float fl(int v) {
    return static_cast<float>(v);
}

struct Pt {
    int x, y;
};

// The inner points of a zigzag edge from a to b: a shoulder a third of a cell in from either end,
// `shoulder` pixels across the edge, and the tip half-way along, `tip` pixels across.
std::array<Pt, 3> zigPoints(int xa, int ya, int xb, int yb, int w, int h, int vertical, int shoulder,
                            int tip) {
    if (vertical)
        return {Pt{xa + shoulder, ya + h / 3}, Pt{xa + tip, ya + h / 2}, Pt{xa + shoulder, yb - h / 3}};
    return {Pt{xa + w / 3, ya + shoulder}, Pt{xa + w / 2, ya + tip}, Pt{xb - w / 3, ya + shoulder}};
}

// Straight lines from a through the three points to b.
void addZigzag(TKreatorKlockow& k, Pt a, const std::array<Pt, 3>& points, Pt b) {
    for (const Pt& p : points) {
        k.addline(a.x, a.y, p.x, p.y, 1.0f);
        a = p;
    }
    k.addline(a.x, a.y, b.x, b.y, 1.0f);
}

} // namespace

void TKreatorKlockow::createGrid(float columnsArg, float rowsArg, float width, float height, int jitterX,
                                 int jitterY) {
    shapes = {};
    // Fewer than one piece across or down would divide by zero: a grid has at least one cell.
    columnsArg = std::max(columnsArg, 1.0f);
    rowsArg = std::max(rowsArg, 1.0f);
    const float cellW = width / columnsArg;
    const float cellH = height / rowsArg;
    columns = static_cast<int>(columnsArg);
    rows = static_cast<int>(rowsArg);
    pieceWidth = static_cast<int>(cellW);
    pieceHeight = static_cast<int>(cellH);
    _stworzTablicePunktow(cellW, cellH, columnsArg, rowsArg, jitterX, jitterY);

    for (int i = 1; i <= columns - 1; ++i) {
        for (int j = 0; j <= rows - 1; ++j) _edge(gridPoints[i][j], gridPoints[i][j + 1], 1);
    }
    for (int i = 1; i <= rows - 1; ++i) {
        for (int j = 0; j <= columns - 1; ++j) _edge(gridPoints[j][i], gridPoints[j + 1][i], 0);
    }
}

void TKreatorKlockow::_stworzTablicePunktow(float cellW, float cellH, float columnsArg, float rowsArg,
                                            int jitterX, int jitterY) {
    const int across = static_cast<int>(columnsArg + 2);
    const int down = static_cast<int>(rowsArg + 2);
    gridPoints.assign(across, std::vector<TWsp>(down));
    for (int r = 0; r <= static_cast<int>(rowsArg + 1); ++r) {
        for (int c = 0; c <= static_cast<int>(columnsArg + 1); ++c) {
            TWsp corner(tr(fl(c) * cellW), tr(fl(r) * cellH), 0);
            if (c > 0 && fl(c) < columnsArg + 1 && r > 0 && fl(r) < rowsArg + 1) {
                const int sign = (c * r) % 2 != 0 ? -1 : 1;
                corner.x += sign * jitterX;
                corner.y += sign * jitterY;
            }
            gridPoints[c][r] = corner;
        }
    }
}

void TKreatorKlockow::_edge(const TWsp& a, const TWsp& b, int vertical) {
    const int d = platform::Rand(0, 1) == 0 ? 1 : -1;
    int kind = style;
    if (style == 10) kind = vertical ? platform::Rand(0, 4) : platform::Rand(0, 3);
    const int w = pieceWidth, h = pieceHeight;
    switch (kind) {
    case 0:
        drawShapedLine(a.x, a.y, b.x, b.y, w, h, vertical, d);
        break;
    case 1:
        drawSimpleShapedLine(a.x, a.y, b.x, b.y, w, h, vertical, d);
        break;
    case 2:
        drawZigLine(a.x, a.y, b.x, b.y, w, h, vertical, d);
        break;
    case 3:
        drawZigLine2(a.x, a.y, b.x, b.y, w, h, vertical, d);
        break;
    case 4:
        drawZigShapeLine(a.x, a.y, b.x, b.y, w, h, vertical, d);
        break;
    default:
        break; // an unknown style leaves the edge uncut
    }
}

std::shared_ptr<TWsp> TKreatorKlockow::getWH() const {
    return TWsp::Create(pieceWidth, pieceHeight, 0);
}

void TKreatorKlockow::addline(int x1, int y1, int x2, int y2, float scale) {
    auto shape = std::make_shared<TShape>();
    shape->lines.emplace_back(tr(fl(x1) * scale), tr(fl(y1) * scale), tr(fl(x2) * scale), tr(fl(y2) * scale));
    shapes.push_back(std::move(shape));
}

void TKreatorKlockow::addShape(int startX, int startY, int endX, int endY, int controlX, int controlY,
                               int flag, float scale) {
    auto shape = std::make_shared<TShape>();
    shape->createShape(startX, startY, endX, endY, controlX, controlY, flag, scale);
    shapes.push_back(std::move(shape));
}

void TKreatorKlockow::drawShapedLine(int xa, int ya, int xb, int yb, int w, int h, int vertical, int d) {
    const Pt p0{xa, ya}, p4{xb, yb};
    Pt p1, p2, p3, c0, c1, c2, c3;
    if (vertical) {
        p1 = {xa + d * (w / 12), tr(fl(ya) + fl(h) / 2.5f)};
        p2 = {tr(fl(xa) + fl(d * w) / 3.4f), ya + h / 2};
        p3 = {xa + d * (w / 12), tr(fl(yb) - fl(h) / 2.5f)};
        c0 = {xa - d * (w / 8), tr(fl(p0.y) + fl(std::abs(p1.y - p0.y)) * 1.1f)};
        c1 = {tr(fl(p1.x) + fl(d * w) / 4.4f), tr(fl(p1.y) - fl(std::abs(p2.y - p1.y)) / 1.1f)};
        c2 = {tr(fl(p1.x) + fl(d * w) / 4.4f), tr(fl(p3.y) + fl(std::abs(p2.y - p1.y)) / 1.1f)};
        c3 = {xa - d * (w / 8), tr(fl(p4.y) - fl(std::abs(p1.y - p0.y)) * 1.1f)};
    } else {
        p1 = {tr(fl(xa) + fl(w) / 2.5f), ya + d * (h / 12)};
        p2 = {xa + w / 2, tr(fl(ya) + fl(d * h) / 3.4f)};
        p3 = {tr(fl(xb) - fl(w) / 2.5f), yb + d * (h / 12)};
        c0 = {tr(fl(p0.x) + fl(std::abs(p1.x - p0.x)) * 1.1f), ya - d * (h / 8)};
        c1 = {tr(fl(p1.x) - fl(std::abs(p2.x - p1.x)) / 1.1f), tr(fl(p1.y) + fl(d * h) / 4.8f)};
        c2 = {tr(fl(p3.x) + fl(std::abs(p2.x - p1.x)) / 1.1f), tr(fl(p1.y) + fl(d * h) / 4.8f)};
        c3 = {tr(fl(p4.x) - fl(std::abs(p4.x - p3.x)) * 1.1f), ya - d * (h / 8)};
    }
    addShape(p0.x, p0.y, p1.x, p1.y, c0.x, c0.y, 0, 1.0f);
    addShape(p1.x, p1.y, p2.x, p2.y, c1.x, c1.y, 0, 1.0f);
    addShape(p2.x, p2.y, p3.x, p3.y, c2.x, c2.y, 0, 1.0f);
    addShape(p3.x, p3.y, p4.x, p4.y, c3.x, c3.y, 0, 1.0f);
}

void TKreatorKlockow::drawSimpleShapedLine(int xa, int ya, int xb, int yb, int w, int h, int vertical,
                                           int d) {
    const Pt c = vertical ? Pt{xa + d * (w / 5), ya + h / 2} : Pt{xa + w / 2, ya + d * (h / 5)};
    addShape(xa, ya, xb, yb, c.x, c.y, 0, 1.0f);
}

void TKreatorKlockow::drawZigLine(int xa, int ya, int xb, int yb, int w, int h, int vertical, int d) {
    const int across = vertical ? w : h;
    addZigzag(*this, {xa, ya}, zigPoints(xa, ya, xb, yb, w, h, vertical, -d * (across / 8), d * (across / 6)),
              {xb, yb});
}

void TKreatorKlockow::drawZigLine2(int xa, int ya, int xb, int yb, int w, int h, int vertical, int d) {
    const int across = vertical ? w : h;
    addZigzag(*this, {xa, ya}, zigPoints(xa, ya, xb, yb, w, h, vertical, 0, d * (across / 6)), {xb, yb});
}

void TKreatorKlockow::drawZigShapeLine(int xa, int ya, int xb, int yb, int w, int h, int vertical, int d) {
    const int across = vertical ? w : h;
    const auto [p1, p2, p3] = zigPoints(xa, ya, xb, yb, w, h, vertical, 0, d * (across / 3));
    addline(xa, ya, p1.x, p1.y, 1.0f);
    addline(p3.x, p3.y, xb, yb, 1.0f);
    addShape(p1.x, p1.y, p3.x, p3.y, p2.x, p2.y, 0, 1.0f);
}

platform::PixmapPtr TKreatorKlockow::drawOn(int width, int height) const {
    auto pixmap = platform::Pixmap::create(width, height, platform::argb(255, 0, 0, 0));
    uint32_t* pixels = pixmap->data();
    auto line = [&](int x1, int y1, int x2, int y2, uint32_t colour) {
        forEachLinePixel(x1, y1, x2, y2, [&](int x, int y) {
            if (pixmap->contains(x, y)) pixels[static_cast<size_t>(y) * width + x] = colour;
        });
    };
    for (const auto& shape : shapes) {
        for (const Tline& l : shape->lines) {
            const uint32_t colour = platform::argb(255, std::clamp(l.red, 0, 255),
                                                   std::clamp(l.green, 0, 255), std::clamp(l.blue, 0, 255));
            line(l.x1, l.y1, l.x2, l.y2, colour);
        }
    }
    // The border: its right and bottom sides lie just outside the pixmap, as on the canvas.
    const uint32_t white = platform::argb(255, 255, 255, 255);
    line(0, 0, width, 0, white);
    line(0, 0, 0, height, white);
    line(width, 0, width, height, white);
    line(0, height, width, height, white);
    pixmap->touch();
    return pixmap;
}

void TKreatorKlockow::draw() const {
    platform::setColour(255, 255, 255);
    for (const auto& shape : shapes) shape->draw();
    platform::setColour(255, 255, 255);
}
