// Drawing an image, a pixmap or a text item at a rectangle, and the loaders that turn a path (or an
// object already loaded) into an image or a pixmap. A load that fails tells the player and the game
// goes on without the picture.
#pragma once

#include "core/Messages.h"
#include "gui/TDim.h"
#include "gui/TTextItem.h"
#include "platform/Image.h"
#include "platform/Pixmap.h"

#include <string>
#include <variant>

// A button look: nothing, an image or a pixmap.
using TGraphic = std::variant<std::monostate, platform::ImagePtr, platform::PixmapPtr>;
// What a loader or a button factory accepts: a path, or something already loaded.
using TSource = std::variant<std::monostate, std::string, platform::ImagePtr, platform::PixmapPtr>;

bool isEmpty(const TGraphic& graphic);
int graphicWidth(const TGraphic& graphic);
int graphicHeight(const TGraphic& graphic);

// An image is drawn (frame `frame`) with the current drawing state at the rectangle's top-left
// corner; a pixmap unscaled at the corner truncated to whole pixels. Nothing without a rectangle.
void MultiDraw(const TGraphic& item, const TDimPtr& dim, int frame);
// A text item draws itself where it stands; the rectangle is not needed.
void MultiDraw(const TTextItemPtr& item, const TDimPtr& dim = nullptr, int frame = 0);

// A path is loaded (null and a message when that fails); an image is returned as it is; anything
// else is a caller's mistake, reported, and answered with an empty image.
platform::ImagePtr FLoadImage(const TSource& source);
// The same for pixmaps.
platform::PixmapPtr FLoadPixmap(const TSource& source);
