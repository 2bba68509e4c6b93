// The two ways the screens make buttons: from one image, or from a strip of equal frames.
#pragma once

#include "gui/MultiDraw.h"
#include "gui/TButton.h"
#include "gui/TDim.h"

#include <vector>

// A button showing one image (or pixmap); a path is loaded with FLoadImage. A zero width or height
// of `dim` is taken from the image. Without a rectangle the button gets one at (0, 0).
TButtonPtr CreateSimpleButton(int id, const TSource& source, TDimPtr dim, bool growOnOver, bool animateGrowth,
                              int spare);
// A button drawn from a strip cut into one cell per entry of `frames`, side by side or stacked; a
// path is loaded with FLoadPixmap. A zero width or height of `dim` is taken from the cell.
TButtonPtr CreateAnimButton(int id, const TSource& source, const std::vector<int>& frames, TDimPtr dim,
                            int framesSideBySide);
