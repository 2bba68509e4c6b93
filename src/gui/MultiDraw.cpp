// Drawing looks at rectangles and loading them.
#include "gui/MultiDraw.h"

#include "platform/Draw.h"
#include "platform/System.h"

bool isEmpty(const TGraphic& graphic) {
    if (auto image = std::get_if<platform::ImagePtr>(&graphic)) return !*image;
    if (auto pixmap = std::get_if<platform::PixmapPtr>(&graphic)) return !*pixmap;
    return true;
}

int graphicWidth(const TGraphic& graphic) {
    if (auto image = std::get_if<platform::ImagePtr>(&graphic); image && *image) return (*image)->width();
    if (auto pixmap = std::get_if<platform::PixmapPtr>(&graphic); pixmap && *pixmap)
        return (*pixmap)->width();
    return 0;
}

int graphicHeight(const TGraphic& graphic) {
    if (auto image = std::get_if<platform::ImagePtr>(&graphic); image && *image) return (*image)->height();
    if (auto pixmap = std::get_if<platform::PixmapPtr>(&graphic); pixmap && *pixmap)
        return (*pixmap)->height();
    return 0;
}

void MultiDraw(const TGraphic& item, const TDimPtr& dim, int frame) {
    if (!dim) return;
    if (auto image = std::get_if<platform::ImagePtr>(&item); image && *image) {
        platform::drawImage(*image, dim->Left(), dim->Top(), frame);
    } else if (auto pixmap = std::get_if<platform::PixmapPtr>(&item); pixmap && *pixmap) {
        platform::drawPixmap(**pixmap, static_cast<int>(dim->Left()), static_cast<int>(dim->Top()));
    }
}

void MultiDraw(const TTextItemPtr& item, const TDimPtr&, int) {
    if (item) item->Draw();
}

platform::ImagePtr FLoadImage(const TSource& source) {
    if (auto path = std::get_if<std::string>(&source); path && !path->empty()) {
        auto image = platform::Image::load(*path);
        if (!image) tellCannotLoadImage(*path);
        return image;
    }
    if (auto image = std::get_if<platform::ImagePtr>(&source); image && *image) return *image;
    platform::messageBox(messageTitle, "Probojesz zaladowac niewlasciwy typ obiektu jako TImage");
    return platform::Image::fromPixmap(platform::Pixmap::create(0, 0));
}

platform::PixmapPtr FLoadPixmap(const TSource& source) {
    if (auto path = std::get_if<std::string>(&source); path && !path->empty()) {
        auto pixmap = platform::loadPixmap(*path);
        if (!pixmap) tellCannotLoadImage(*path);
        return pixmap;
    }
    if (auto pixmap = std::get_if<platform::PixmapPtr>(&source); pixmap && *pixmap) return *pixmap;
    platform::messageBox(messageTitle, "Probojesz zaladowac niewlasciwy typ obiektu jako TPixmap");
    return platform::Pixmap::create(0, 0);
}
