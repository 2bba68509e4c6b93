// Button factories.
#include "gui/ButtonFactory.h"

#include <algorithm>

namespace {

TDimPtr dimOrDefault(TDimPtr dim) {
    return dim ? std::move(dim) : CreateDim(0, 0, 0, 0, 0, 1, 1, 0);
}

} // namespace

TButtonPtr CreateSimpleButton(int id, const TSource& source, TDimPtr dim, bool growOnOver, bool animateGrowth,
                              int spare) {
    auto button = std::make_shared<TButton>();
    button->dim = dimOrDefault(std::move(dim));
    button->id = id;
    button->growOnOver = growOnOver;
    button->animateGrowth = animateGrowth;
    button->spare = spare;

    TGraphic& normal = button->stateImages[TButton::lookNormal];
    if (auto pixmap = std::get_if<platform::PixmapPtr>(&source)) {
        normal = *pixmap;
    } else if (auto image = std::get_if<platform::ImagePtr>(&source)) {
        normal = *image;
    } else if (std::holds_alternative<std::string>(source)) {
        normal = FLoadImage(source);
    }
    // A look that failed to load leaves the size at 0, so an invisible button cannot catch clicks.
    if (button->dim->width == 0) button->dim->width = static_cast<float>(graphicWidth(normal));
    if (button->dim->height == 0) button->dim->height = static_cast<float>(graphicHeight(normal));
    return button;
}

TButtonPtr CreateAnimButton(int id, const TSource& source, const std::vector<int>& frames, TDimPtr dim,
                            int framesSideBySide) {
    auto button = std::make_shared<TButton>();
    button->dim = dimOrDefault(std::move(dim));
    button->id = id;
    button->framesSideBySide = framesSideBySide != 0;
    button->frames = frames;
    button->useAnimImage = true;

    const platform::PixmapPtr strip = FLoadPixmap(source);
    if (!strip) return button;

    // An empty frame list still cuts one cell (and draws nothing), rather than dividing by zero.
    const int cells = std::max<int>(1, static_cast<int>(frames.size()));
    const int cellWidth = button->framesSideBySide ? strip->width() / cells : strip->width();
    const int cellHeight = button->framesSideBySide ? strip->height() : strip->height() / cells;
    if (button->dim->width == 0) button->dim->width = static_cast<float>(cellWidth);
    if (button->dim->height == 0) button->dim->height = static_cast<float>(cellHeight);
    button->animImage = platform::Image::fromStrip(strip, static_cast<int>(button->dim->width),
                                                   static_cast<int>(button->dim->height), 0, cells);
    return button;
}
