// The cut-line generator: lays a grid over the picture, gives every inner grid edge a tab in one of
// five cut styles, and draws the lines white on black into a pixmap for the cutter.
#pragma once

#include "core/TWsp.h"
#include "cutting/TShape.h"
#include "platform/Pixmap.h"

#include <memory>
#include <vector>

class TKreatorKlockow {
  public:
    std::vector<TShapePtr> shapes;
    int columns = 0;
    int rows = 0;
    // 0 round knobs, 1 shallow arcs, 2 arrows, 3 spikes, 4 bumps, 10 a random style per edge; any
    // other value cuts nothing inside the picture. Set before createGrid.
    int style = 0;
    int pieceWidth = 0;
    int pieceHeight = 0;
    // Grid corners indexed [column][row], (columns + 2) x (rows + 2).
    std::vector<std::vector<TWsp>> gridPoints;

    // Replaces the shapes with a new grid of columns x rows cells over a width x height picture.
    void createGrid(float columns, float rows, float width, float height, int jitterX, int jitterY);
    std::shared_ptr<TWsp> getWH() const;
    // The cut lines and the picture's border, one pixel wide, white on opaque black.
    platform::PixmapPtr drawOn(int width, int height) const;
    // Draws the cut lines on the canvas.
    void draw() const;

    void addline(int x1, int y1, int x2, int y2, float scale);
    void addShape(int startX, int startY, int endX, int endY, int controlX, int controlY, int flag,
                  float scale);

    // One edge from (xa, ya) to (xb, yb); vertical is 1 for an edge between two pieces side by side;
    // d = +1 points the tab toward +x or +y.
    void drawShapedLine(int xa, int ya, int xb, int yb, int w, int h, int vertical, int d);
    void drawSimpleShapedLine(int xa, int ya, int xb, int yb, int w, int h, int vertical, int d);
    void drawZigLine(int xa, int ya, int xb, int yb, int w, int h, int vertical, int d);
    void drawZigLine2(int xa, int ya, int xb, int yb, int w, int h, int vertical, int d);
    void drawZigShapeLine(int xa, int ya, int xb, int yb, int w, int h, int vertical, int d);

  private:
    void _stworzTablicePunktow(float cellW, float cellH, float columns, float rows, int jitterX, int jitterY);
    void _edge(const TWsp& a, const TWsp& b, int vertical);
};

extern std::shared_ptr<TKreatorKlockow> kreatorKlockow;
