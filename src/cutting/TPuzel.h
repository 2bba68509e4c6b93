// One jigsaw piece: its image, home in the picture, cut-line pixels and neighbour links; on the board
// it hovers, is picked up, casts a soft shadow, pulses while it is the hint and can fly home.
#pragma once

#include "core/TWsp.h"
#include "cutting/TSasiad.h"
#include "platform/Image.h"

#include <memory>
#include <vector>

class TPuzel : public std::enable_shared_from_this<TPuzel> {
  public:
    std::vector<TSasiadPtr> neighbours;
    // Cut-line pixels around the piece in picture coordinates, in the order the fill met them.
    std::vector<TWsp> edgePixels;
    platform::ImagePtr image;
    int id = 0;
    float x = 0;
    float y = 0;
    float homeX = 0;
    float homeY = 0;
    float curveX = 0;
    float curveY = 0;
    float controlX = 0;
    float controlY = 0;
    int hover = 0;
    int picked = 0;
    int hint = 0;
    float pulse = 255;
    float pulseDir = -1;
    int drawOrder = 0;
    float shadowAlpha = 0;
    float targetAlpha = 0;
    float curveT = 0;

    // One step of the flight home along the curve; nothing once arrived (curveT 1).
    void updateCurve();
    void _sparki();
    int _zgadzaSie(const TWsp& p) const;
    int _nieSasiad(const std::shared_ptr<TPuzel>& other) const;
    void drawShadow(float scale, float dx, float dy);
    void drawCurve(float scale, int dx, int dy);
    void draw(float scale, int dx, int dy);
    // Whether (px, py) lies strictly inside the image where the piece lies now.
    bool covers(float px, float py) const;
    int _mouseOver(float scale, float dx, float dy);
    void update(float scale, float dx, float dy);
    // Clears the hint of every piece on the board.
    static void oczysc();
    // 1 when the centre of the image lies strictly inside the rectangle (negative sizes allowed).
    int wObszarze(int x, int y, int w, int h) const;
    void alphaUpdate();

  private:
    int width() const { return image ? image->width() : 0; }
    int height() const { return image ? image->height() : 0; }
    void _drawAt(float scale, float px, float py);
};

using TPuzelPtr = std::shared_ptr<TPuzel>;
