// The size of the game's canvas, from which the screens compute their layout.
#pragma once

extern int screenX;
extern int screenY;
