// The game's one visual style for controls: rounded glossy buttons (calm teal at rest, warm amber
// under the mouse, bright gold when highlighted, matte grey when switched off), dark glass panels
// and small white icons.
#pragma once

#include "Canvas.h"
#include "Lettering.h"
#include "Maths.h"

#include <functional>
#include <string>

namespace datagen {

enum class Look { normal, hover, highlight, off };

struct Rect {
    float x = 0, y = 0, w = 0, h = 0;
    float cx() const { return x + w / 2; }
    float cy() const { return y + h / 2; }
};

// A glossy rounded body filling `r` (leave about 3 px around it for its shadow and glow).
void drawButtonBody(Canvas& c, Rect r, float radius, Look look);
// The label in the button's look, centred on (cx, cy).
void drawButtonLabel(Canvas& c, Lettering& lettering, const std::string& text, int size, float cx, float cy,
                     Look look);
// A whole button image: the body inset for its shadow and glow, the label centred on it.
Canvas buttonImage(Lettering& lettering, int width, int height, const std::string& text, int size, Look look);
// A two-frame strip: frame(Look::normal) on the left, frame(Look::hover) on the right.
Canvas hoverStrip(const std::function<Canvas(Look)>& frame);
// The strip of a labelled button.
Canvas buttonStrip(Lettering& lettering, int frameWidth, int frameHeight, const std::string& text, int size);

// A dark glass panel filling the canvas, with a lighter header band of the given height (0: none).
Canvas panel(int width, int height, float header);

enum class Icon { house, bulb, piece, tidy, eye, gear, plus, minus, info, question };
// A white icon of about `size` pixels centred on (cx, cy), with a soft dark outline.
void drawIcon(Canvas& c, Icon icon, float cx, float cy, float size, Colour colour = {1, 1, 1});

// A shape with a soft drop shadow and a bevelled rim lit from the top-left. `box` bounds the shape
// (in canvas pixels); paint(x, y) gives the surface colour.
void drawBevelled(Canvas& c, const std::function<float(float, float)>& sdf,
                  const std::function<Colour(float, float)>& paint, Box box, float bevel, Vec2 shadowOffset,
                  float shadowBlur, float shadowAlpha = 0.45f);

// Shared label styles.
LabelStyle titleLabel(int size); // warm gold with a dark outline and glow, for headings
LabelStyle plainLabel(int size); // white with a soft dark outline, for texts on art

} // namespace datagen
