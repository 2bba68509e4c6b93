// Text for the art, drawn with the game's own font so that labels match the texts the game draws:
// alpha masks of strings and labels with gradient fill, outline, glow and shadow.
#pragma once

#include "Canvas.h"
#include "platform/Font.h"

#include <map>
#include <string>

namespace datagen {

class Lettering {
  public:
    // Fails with a message when the file is not a usable font.
    explicit Lettering(std::string fontPath);

    platform::ImageFont& font(int size);
    int width(const std::string& text, int size) { return font(size).textWidth(text); }
    // White text on transparent, drawn with its line box's top-left at (pad, pad).
    Canvas mask(const std::string& text, int size, int pad);
    // Top of the capitals and the baseline, in pixels below the top of the line box.
    float capTop(int size);
    float baseline(int size) { return static_cast<float>(font(size).ascent()); }

  private:
    std::string path_;
    std::map<int, platform::ImageFontPtr> fonts_;
    std::map<int, float> capTops_;
};

struct LabelStyle {
    int size = 20;
    Colour top{1, 1, 1};    // fill at the top of the capitals
    Colour bottom{1, 1, 1}; // fill at the baseline
    float outlineWidth = 0;
    Colour outline{0, 0, 0};
    float outlineAlpha = 1;
    float glowRadius = 0;
    Colour glow{1, 1, 1};
    float glowAlpha = 0;
    float shadowBlur = 0;
    float shadowDx = 0, shadowDy = 0;
    Colour shadow{0, 0, 0};
    float shadowAlpha = 0;
};

// Draws the text centred horizontally on cx and with its capitals centred vertically on cy.
void drawLabel(Canvas& target, Lettering& lettering, const std::string& text, float cx, float cy,
               const LabelStyle& style);
// The same, left-aligned at x.
void drawLabelLeft(Canvas& target, Lettering& lettering, const std::string& text, float x, float cy,
                   const LabelStyle& style);

} // namespace datagen
