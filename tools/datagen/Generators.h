// The parts of the data tree, each made by its own source file.
#pragma once

#include "DataTree.h"
#include "Lettering.h"

#include <string>
#include <vector>

namespace datagen {

// gfx/bluehigh.ttf and its licence; returns the path of the copied font.
std::string copyFont(DataTree& tree);
// gfx/puzzle/obr1.jpg .. obr4.jpg; returns the four pictures in that order for the other art.
std::vector<Canvas> makePictures(DataTree& tree);
// gfx/menu-screen.jpg and gfx/menu-screen2c.jpg (pieces of the pictures float on the menu)
void makeMenuBackgrounds(DataTree& tree, Lettering& lettering, const std::vector<Canvas>& pictures);
// gfx/game.jpg
void makeBoardBackground(DataTree& tree);
// gfx/moreGames.jpg, its three column previews and the information badge
void makeMoreGames(DataTree& tree, Lettering& lettering);
// every button image
void makeButtons(DataTree& tree, Lettering& lettering);
// the settings/end-of-game window and the message window
void makeWindows(DataTree& tree, Lettering& lettering);
// the cursor, the clock frames and the spark particles
void makeSprites(DataTree& tree);
// the music and the four sound effects
void makeSounds(DataTree& tree);

} // namespace datagen
