// One straight piece of a cut line, in picture pixels, with the colour it is drawn in.
#pragma once

class Tline {
  public:
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int red = 255;
    int green = 255;
    int blue = 255;

    Tline() = default;
    Tline(int x1, int y1, int x2, int y2) : x1(x1), y1(y1), x2(x2), y2(y2) {}
};
