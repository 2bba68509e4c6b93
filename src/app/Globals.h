// The game's long-lived global objects, created once at start-up in a fixed order. Each global is
// declared beside its type; this is the one place that lists and creates them all.
#pragma once

#include "platform/Font.h"

// The three image fonts made from the game's TrueType file.
extern platform::ImageFontPtr font;        // 14 px
extern platform::ImageFontPtr titleFont;   // 20 px
extern platform::ImageFontPtr loadingFont; // 36 px

// Creates every global object in the start-up order. The fonts are the only ones that load
// anything; every other object is made with its default constructor.
void createGlobals();
