// The drawing state and the primitives every screen draws with, all on the 800 x 600 canvas.
// Without an open graphics mode every draw call does nothing (the state is still kept).
#pragma once

#include "platform/Font.h"
#include "platform/Image.h"
#include "platform/Pixmap.h"

#include <string>

namespace platform {

enum BlendMode { blendMasked = 1, blendSolid = 2, blendAlpha = 3, blendAdditive = 4, blendMultiply = 5 };

void setColour(int red, int green, int blue); // 0..255 each, clamped
void getColour(int& red, int& green, int& blue);
void setAlpha(float alpha); // 0..1, clamped
float getAlpha();
void setBlend(int mode);
int getBlend();
void setScale(float sx, float sy);
float getScaleX();
float getScaleY();
void setRotation(float degrees);
float getRotation();
void setClearColour(int red, int green, int blue);

void setImageFont(const ImageFontPtr& font);
const ImageFontPtr& getImageFont();
// Width and height of text in the current font, unscaled; 0 without a font.
int textWidth(const std::string& text);
int textHeight();

// Clears the whole canvas to the clear colour.
void cls();
// Draws frame `frame` with its handle at (x, y), scaled and rotated about the handle.
void drawImage(const Image& image, float x, float y, int frame = 0);
void drawImage(const ImagePtr& image, float x, float y, int frame = 0);
// Draws a pixmap unscaled with its top-left corner at (x, y).
void drawPixmap(Pixmap& pixmap, int x, int y);
// A one-pixel line with both end pixels drawn.
void drawLine(float x1, float y1, float x2, float y2);
void drawRect(float x, float y, float width, float height); // filled
// Text in the current font with its top-left corner at (x, y).
void drawText(const std::string& text, float x, float y);

// Reads a rectangle of the canvas as drawn so far this frame.
PixmapPtr grabPixmap(int x, int y, int width, int height);

} // namespace platform
