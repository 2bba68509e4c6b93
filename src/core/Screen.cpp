// The canvas size, set at start-up.
#include "core/Screen.h"

int screenX = 800;
int screenY = 600;
