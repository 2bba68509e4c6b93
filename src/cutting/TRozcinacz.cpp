// The cut: fill, bevel, piece images, neighbour links and the shuffle. Pixels are read and written
// straight in memory, a piece's buffers cover only its bounding box, and the row loops go several
// pixels at a time (CutRows); the pieces, their pixels, edge lists, links and order are exactly those
// of a cut that goes pixel by pixel.
#include "cutting/TRozcinacz.h"

#include "cutting/CutRows.h"

#include "audio/TSongManager.h"
#include "core/Screen.h"
#include "core/TDeltaTime.h"
#include "core/TZegar.h"
#include "gui/MultiDraw.h"
#include "platform/Draw.h"
#include "platform/Graphics.h"
#include "platform/Random.h"
#include "platform/System.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

std::shared_ptr<TRozcinacz> rozcinacz;

using namespace cutrows;

namespace {

constexpr int maxWidth = 800; // the largest picture the cut takes
constexpr int maxHeight = 600;
constexpr int framePeriodMs = 17; // a present at most once per 1/60 s
// The music update is cheap but not free; every few thousand fill rounds keeps it well under a
// frame apart without costing the fill anything measurable.
constexpr size_t musicRounds = 4096;

// Labels in map_ carry the seed bit for a seed its own fill never took.
constexpr uint16_t seedBit = 0x8000, labelBits = 0x7FFF;
constexpr uint32_t maxLabel = 0x7FFC;

// A pixel in the fill's queue and edge list: its place in map_ in the low bits, its column in map_
// from fillColumn up.
constexpr uint32_t fillColumn = 1u << 19;
constexpr uint32_t fillPlace = fillColumn - 1;
static_assert((maxWidth + 2) * (maxHeight + 2) <= fillPlace &&
              (maxWidth + 2) * uint64_t{fillColumn} <= 0xFFFFFFFFu);

// The row of a place in map_, by a multiplication: for places below 2^19 and rows of at most 802, the
// rounded-up reciprocal is off by less than 2^-13, while a quotient falls short of the next whole
// number by at least 1/802.
class RowOf {
  public:
    explicit RowOf(size_t stride) : reciprocal_(((uint64_t{1} << 32) + stride - 1) / stride) {}
    uint32_t operator()(uint32_t place) const { return static_cast<uint32_t>((place * reciprocal_) >> 32); }

  private:
    uint64_t reciprocal_;
};

bool isLabel(uint16_t v) {
    return v != mapFree && v < mapPretaken;
}

void tell(const std::string& text) {
    platform::messageBox(messageTitle, text);
}

std::string sizeText(const platform::PixmapPtr& p) {
    return p ? std::to_string(p->width()) + " x " + std::to_string(p->height()) : std::string("missing");
}

// A piece's box (its place and size in the picture) in the layout of its working buffers: each row
// with `before` pixels of margin before it, `before` rows of margin above the box and `below` rows
// below it. For the bevel, the pixels that the bevel of a pixel depends on, along its row, up and down
// its column, are then at fixed distances, so that the whole box is worked out in one loop. With no
// margins, the layout of the piece image itself.
struct Box {
    int left, top, width, height, before, below;
    size_t span;   // from one row to the next
    size_t origin; // of the box's top-left pixel

    // (A box left empty by a fill of a single pixel at the left or top of the picture has no pixels.)
    Box(const TRozcinacz& cut, int marginBefore, int marginBelow)
        : left(static_cast<int>(cut.boxLeft)), top(static_cast<int>(cut.boxTop)),
          width(std::max(0, static_cast<int>(cut.boxRight) - left + 1)),
          height(std::max(0, static_cast<int>(cut.boxBottom) - top + 1)), before(marginBefore),
          below(marginBelow), span(static_cast<size_t>(width) + before), origin(before * span + before) {}
    size_t at(int x, int y) const { return origin + static_cast<size_t>(y) * span + static_cast<size_t>(x); }
    // The box and its margins.
    size_t size() const { return at(0, height + below); }
};

// The margins of the solid pixels: none above the box or before a row, where highlights start, and all
// below it, where no run of piece pixels ends as far as the bevel is concerned.
void solidMargins(const Box& box, uint8_t* solid) {
    std::fill_n(solid, box.origin, 0);
    for (int y = 1; y <= box.height; ++y) std::fill_n(solid + box.at(0, y) - box.before, box.before, 0);
    std::fill(solid + box.at(0, box.height), solid + box.size(), 1);
}

// Near the top of the box the bottom shading of a short run reaches no further up than the box, and
// starts there as light as its row is far from the top.
void shadeTopRows(const Box& box, uint8_t* shading) {
    for (int y = 0; y < std::min(box.height, 3); ++y) {
        uint8_t* row = shading + box.at(0, y);
        for (int x = 0; x < box.width; ++x) row[x] = std::min<uint8_t>(row[x], static_cast<uint8_t>(y + 1));
    }
}

} // namespace

platform::PixmapPtr TRozcinacz::setup(const std::string& picturePath, platform::PixmapPtr linesA,
                                      platform::PixmapPtr linesB) {
    return setup(FLoadPixmap(picturePath), std::move(linesA), std::move(linesB));
}

platform::PixmapPtr TRozcinacz::setup(platform::PixmapPtr picturePixmap, platform::PixmapPtr linesA,
                                      platform::PixmapPtr linesB) {
    picture = std::move(picturePixmap);
    linesCopy = std::move(linesA);
    workLines = std::move(linesB);
    preparedFor_ = nullptr;
    const int width = picture ? picture->width() : 0;
    const int height = picture ? picture->height() : 0;
    maxX = width - 1;
    maxY = height - 1;
    scale = 1.0f;
    originX = static_cast<int>((static_cast<float>(screenX) - static_cast<float>(width) * scale) / 2);
    originY = static_cast<int>((static_cast<float>(screenY) - static_cast<float>(height) * scale) / 2);
    return picture;
}

bool TRozcinacz::_readyToCut(int width, int height) const {
    if (!picture || !workLines) {
        tell("Cannot cut the puzzle: the picture or its cut lines are missing.");
        return false;
    }
    if (picture->width() != width || picture->height() != height || width > maxWidth || height > maxHeight) {
        tell("Cannot cut the puzzle: the picture is " + sizeText(picture) + " pixels (asked to cut " +
             std::to_string(width) + " x " + std::to_string(height) +
             "); pictures up to 800 x 600 can be cut.");
        return false;
    }
    if (workLines->width() != width || workLines->height() != height) {
        tell("Cannot cut the puzzle: the cut lines are " + sizeText(workLines) +
             " pixels but the picture is " + sizeText(picture) + ".");
        return false;
    }
    return true;
}

void TRozcinacz::_prepareBuffers() {
    const int width = picture->width(), height = picture->height();
    paddedWidth_ = width + 2;
    const size_t stride = static_cast<size_t>(paddedWidth_);
    const size_t area = static_cast<size_t>(width) * static_cast<size_t>(height);
    map_.resize(stride * static_cast<size_t>(height + 2));
    uint16_t* map = map_.data();
    std::fill_n(map, stride, mapOutside);
    std::fill_n(map + stride * static_cast<size_t>(height + 1), stride, mapOutside);
    // Row by row, with the line flags of the last three rows, framed by the outside like map_: the
    // knots of a row can be told once the row below it is read too.
    lineFlags_.assign(stride * 4, 1);
    auto flagsOf = [&](int y) { return lineFlags_.data() + stride * static_cast<size_t>((y + 3) % 3); };
    uint8_t* knotFlags = lineFlags_.data() + stride * 3;
    knots_.clear();
    const uint32_t* lines = workLines->data();
    for (int y = 0; y <= height; ++y) {
        if (y < height) {
            uint16_t* row = map + static_cast<size_t>(y + 1) * stride;
            row[0] = row[width + 1] = mapOutside;
            mapRow(lines + static_cast<size_t>(y) * width, row + 1, flagsOf(y) + 1, width, !pixelByPixel);
        } else {
            std::fill_n(flagsOf(y), stride, 1); // the outside below the picture
        }
        if (y > 0) {
            findEnclosed(flagsOf(y - 2), flagsOf(y - 1), flagsOf(y), width,
                         static_cast<size_t>(y) * stride + 1, knotFlags, knots_);
        }
    }
    if (capacity_ != area) {
        // Every pixel is queued at most once besides the seed, and every pop meets at most four line
        // pixels.
        queue_ = std::make_unique_for_overwrite<uint32_t[]>(area + 2);
        edge_ = std::make_unique_for_overwrite<uint32_t[]>(4 * area + 8);
        capacity_ = area;
    }
    preparedFor_ = workLines.get();
}

void TRozcinacz::potnij(int width, int height, int, int, int) {
    if (zegar) zegar->start();
    nextId = 0;
    pieces = {};
    piecesInOrder = {};
    lastEdge.clear();
    if (!_readyToCut(width, height)) return;
    maxX = width - 1;
    maxY = height - 1;
    _prepareBuffers();
    // The frame before the cut was just presented by the caller's loop.
    presented_ = true;
    lastPresent_ = platform::millisecs();

    for (int i = 5; i <= height / 5 - 1; ++i) {
        for (int j = 5; j <= width / 5 - 1; ++j) {
            const int x = 5 * j - 2, y = 5 * i - 2;
            if (map_[static_cast<size_t>(y + 1) * paddedWidth_ + x + 1] != mapFree) continue;
            auto piece = stworzPuzel(x, y);
            pieces.push_back(piece);
            piecesInOrder.push_back(piece);
            globalMusicUpdate();
        }
    }
    workLines->touch();
    _fillLineKnots();
    stworzSasiadow();
    wylosuj();
}

void TRozcinacz::update() {
    if (deltatime) {
        deltatime->Update();
        delta = deltatime->CurrDelta();
    }
    if (zegar) zegar->update();
}

void TRozcinacz::draw() {
    const int now = platform::millisecs();
    // A cut must never wait for the display: skip the frame when the last one is too recent.
    if (presented_ && now >= lastPresent_ && now - lastPresent_ < framePeriodMs) return;
    presented_ = true;
    lastPresent_ = now;
    platform::cls();
    platform::setColour(255, 255, 255);
    platform::setAlpha(1.0f);
    platform::setScale(1, 1);
    platform::drawImage(loadingPicture, 0, 0);
    if (zegar) zegar->draw();
    platform::flip();
}

void TRozcinacz::_fill(int x, int y) {
    if (preparedFor_ != workLines.get()) _prepareBuffers();
    const size_t stride = static_cast<size_t>(paddedWidth_);
    uint16_t* map = map_.data();
    uint32_t* queue = queue_.get();
    // A picture of at most 800 x 600 has fewer sample points than labels.
    label_ = std::min(static_cast<uint32_t>(nextId) + 1, maxLabel);
    const uint16_t label = static_cast<uint16_t>(label_);

    // Breadth first, in exactly the order the edge lists record: up, left, right, down. The frame of
    // outside pixels stands in for the bounds tests. A queued pixel is its place in map_ with its
    // column above (fillColumn): a neighbour is one addition away, and the column is at hand for the
    // box. The extremes of the pixels the fill goes through can only grow when a pixel is taken, and
    // only toward the side it lies on; the row extremes follow from the place alone. Most pixels the
    // fill looks at have been taken already: taking one, or meeting a cut line, is the exception.
    const uint32_t step = static_cast<uint32_t>(stride);
    const uint32_t side = fillColumn + 1; // one pixel along the row
    const uint32_t seed = static_cast<uint32_t>((static_cast<size_t>(y) + 1) * stride + x + 1);
    queue[0] = seed | static_cast<uint32_t>(x + 1) * fillColumn;
    const uint32_t* head = queue;
    uint32_t* tail = queue + 1;
    uint32_t* edgeEnd = edge_.get();
    uint32_t loAt = seed, hiAt = seed, loColumn = static_cast<uint32_t>(x + 1), hiColumn = loColumn;
    const ptrdiff_t down = static_cast<ptrdiff_t>(stride);
    const uint32_t* nextMusic = queue + musicRounds;
    while (head < tail) {
        // Up to the pixels queued so far or the music update, whichever comes first; then on.
        for (const uint32_t* stop = std::min<const uint32_t*>(tail, nextMusic); head < stop;) {
            const uint32_t q = *head++;
            uint16_t* const at = map + (q & fillPlace);
            if (const uint16_t v = at[-down]; v == mapFree) [[unlikely]] {
                at[-down] = label;
                *tail++ = q - step;
                loAt = std::min(loAt, (q & fillPlace) - step);
            } else if (v == mapLine) [[unlikely]] {
                *edgeEnd++ = q - step;
            }
            if (const uint16_t v = at[-1]; v == mapFree) [[unlikely]] {
                at[-1] = label;
                *tail++ = q - side;
                loColumn = std::min(loColumn, q / fillColumn - 1);
            } else if (v == mapLine) [[unlikely]] {
                *edgeEnd++ = q - side;
            }
            if (const uint16_t v = at[1]; v == mapFree) [[unlikely]] {
                at[1] = label;
                *tail++ = q + side;
                hiColumn = std::max(hiColumn, q / fillColumn + 1);
            } else if (v == mapLine) [[unlikely]] {
                *edgeEnd++ = q + side;
            }
            if (const uint16_t v = at[down]; v == mapFree) [[unlikely]] {
                at[down] = label;
                *tail++ = q + step;
                hiAt = std::max(hiAt, (q & fillPlace) + step);
            } else if (v == mapLine) [[unlikely]] {
                *edgeEnd++ = q + step;
            }
        }
        if (head == nextMusic) {
            globalMusicUpdate();
            nextMusic += musicRounds;
        }
    }
    // A seed its own fill never took (a one-pixel pocket) stays free, as the work lines keep it, but
    // its cut-line neighbours still belong to this piece.
    if (map[seed] == mapFree) map[seed] = static_cast<uint16_t>(label | seedBit);

    // The box reaches one pixel beyond those extremes toward each side the fill looked at. Toward a
    // side of the picture it did not look: the region being connected, the pixel next to that side is
    // then its extreme (or nothing is, for a region one pixel across, and the box keeps its start).
    const RowOf rowOf(stride);
    const uint32_t loX = loColumn - 1, hiX = hiColumn - 1, loY = rowOf(loAt) - 1, hiY = rowOf(hiAt) - 1;
    const uint32_t lastX = static_cast<uint32_t>(maxX), lastY = static_cast<uint32_t>(maxY);
    const int minX = loX > 0 ? static_cast<int>(loX) - 1 : (hiX > 0 ? 0 : maxWidth);
    const int minY = loY > 0 ? static_cast<int>(loY) - 1 : (hiY > 0 ? 0 : maxWidth);
    const int maxXb = hiX < lastX ? static_cast<int>(hiX) + 1 : (loX < lastX ? maxX : 0);
    const int maxYb = hiY < lastY ? static_cast<int>(hiY) + 1 : (loY < lastY ? maxY : 0);
    boxLeft = static_cast<float>(minX);
    boxTop = static_cast<float>(minY);
    boxRight = static_cast<float>(maxXb);
    boxBottom = static_cast<float>(maxYb);
    const uint32_t* edge = edge_.get();
    lastEdge.resize(static_cast<size_t>(edgeEnd - edge));
    TWsp* out = lastEdge.data();
    for (const uint32_t* k = edge; k < edgeEnd; ++k, ++out) {
        out->x = static_cast<int>(*k / fillColumn) - 1;
        out->y = static_cast<int>(rowOf(*k & fillPlace)) - 1;
        out->value = 0;
    }
}

bool TRozcinacz::_canFill(int x, int y) const {
    if (!_readyToCut(picture ? picture->width() : 0, picture ? picture->height() : 0)) return false;
    if (picture->contains(x, y)) return true;
    tell("Cannot cut a piece at " + std::to_string(x) + ", " + std::to_string(y) + ": outside the picture.");
    return false;
}

platform::PixmapPtr TRozcinacz::wytnijObrazek(int x, int y) {
    if (!_canFill(x, y)) return platform::Pixmap::create(0, 0);
    _fill(x, y);
    const Box box(*this, 0, 0);
    auto pm = platform::Pixmap::create(box.width, box.height, platform::Pixmap::uninitialised);
    solidBox_.resize(box.size());
    _readRegion(pm->data(), solidBox_.data(), box.origin, box.span);
    pm->touch();
    return pm;
}

void TRozcinacz::_readRegion(uint32_t* region, uint8_t* solid, size_t origin, size_t span) {
    const int left = static_cast<int>(boxLeft), top = static_cast<int>(boxTop);
    const int w = static_cast<int>(boxRight) - left + 1, h = static_cast<int>(boxBottom) - top + 1;
    const int width = picture->width();
    const size_t stride = static_cast<size_t>(paddedWidth_);
    for (int y = 0; y < h; ++y) {
        const size_t i = static_cast<size_t>(top + y) * width + left,
                     row = origin + static_cast<size_t>(y) * span;
        takenRow(map_.data() + static_cast<size_t>(top + y + 1) * stride + left + 1,
                 static_cast<uint16_t>(label_), picture->data() + i, workLines->data() + i, w, region + row,
                 solid + row, !pixelByPixel);
    }
    // The cut-line pixels of the region are those in the edge list: a cut-line pixel beside a pixel
    // the fill went through.
    for (const TWsp& e : lastEdge) {
        const int x = e.x - left, y = e.y - top;
        if (x < 0 || y < 0 || x >= w || y >= h) continue;
        const uint32_t pixel = picture->data()[static_cast<size_t>(e.y) * width + e.x];
        const size_t at = origin + static_cast<size_t>(y) * span + static_cast<size_t>(x);
        region[at] = pixel;
        solid[at] = pixel != outside;
    }
}

platform::PixmapPtr TRozcinacz::stworzKrawedzieV(platform::PixmapPtr pm) {
    const int w = pm->width(), h = pm->height();
    uint32_t* p = pm->data();
    for (int y = 0; y < h; ++y) {
        uint32_t* row = p + static_cast<size_t>(y) * w;
        uint32_t prev = outside;
        int e = 0;
        for (int x = 0; x < w; ++x) {
            const uint32_t cur = row[x];
            if (cur == outside) {
                prev = cur;
                continue;
            }
            if (prev == outside || x == 0) e = 3;
            if (e > 0) {
                row[x] = lighten(cur, 15 * e);
                --e;
            }
            prev = cur;
        }
    }
    pm->touch();
    update();
    draw();
    return pm;
}

// Column by column in effect, but walked row by row with each column's state kept aside, so that the
// pass runs along memory.
platform::PixmapPtr TRozcinacz::stworzKrawedzieH(platform::PixmapPtr pm) {
    const int w = pm->width(), h = pm->height();
    uint32_t* p = pm->data();
    recentRows_.resize(static_cast<size_t>(w) * 4);
    highlight_.resize(static_cast<size_t>(w));
    uint32_t* recent = recentRows_.data(); // row r of each column's last four, as read, in slot r % 4
    uint8_t* b = highlight_.data();
    for (int y = 0; y < h; ++y) {
        uint32_t* row = p + static_cast<size_t>(y) * w;
        uint32_t* slot = recent + static_cast<size_t>(y & 3) * w;
        const uint32_t* above = recent + static_cast<size_t>((y - 1) & 3) * w;
        for (int x = 0; x < w; ++x) {
            const uint32_t cur = row[x];
            if (y == 0) {
                b[x] = cur != outside ? 3 : 0;
            } else if (above[x] == outside) {
                if (cur != outside) b[x] = 3;
            } else if (cur == outside) {
                // A run of piece pixels ended just above: shade its bottom, darkest at the end.
                const int n = std::min(y, 4);
                for (int k = 0; k < n; ++k) {
                    const int r = y - n + k;
                    const uint32_t value = recent[static_cast<size_t>(r & 3) * w + x];
                    if (value != outside) p[static_cast<size_t>(r) * w + x] = darken(value, 25 * k);
                }
            }
            if (cur != outside && b[x] > 0) {
                row[x] = lighten(cur, 15 * b[x]);
                --b[x];
            }
            slot[x] = cur;
        }
    }
    pm->touch();
    update();
    draw();
    return pm;
}

// Where lines cross or meet (and where an inner line meets the top or left border) a pixel can have
// only line pixels beside it: no fill ever reaches it, and the assembled picture would show a
// one-pixel hole there. Such a pixel goes, unbevelled, to every piece that took a diagonal neighbour.
void TRozcinacz::_fillLineKnots() {
    const int width = picture->width();
    const size_t stride = static_cast<size_t>(paddedWidth_);
    const uint16_t* map = map_.data();
    const uint32_t* pixels = picture->data();
    for (const uint32_t n : knots_) {
        if (isLabel(map[n])) continue; // a fill started here
        const int x = static_cast<int>(n % stride) - 1, y = static_cast<int>(n / stride) - 1;
        uint16_t seen[4];
        int seenCount = 0;
        for (const size_t d : {n - stride - 1, n - stride + 1, n + stride - 1, n + stride + 1}) {
            if (!isLabel(map[d])) continue;
            const uint16_t label = map[d] & labelBits;
            if (std::find(seen, seen + seenCount, label) != seen + seenCount) continue;
            seen[seenCount++] = label;
            const size_t index = label - 1u;
            if (index >= piecesInOrder.size() || piecesInOrder[index]->id != static_cast<int>(index))
                continue;
            const auto& piece = piecesInOrder[index];
            piece->image->pixmap()->write(x - static_cast<int>(piece->homeX / scale),
                                          y - static_cast<int>(piece->homeY / scale),
                                          masked(pixels[static_cast<size_t>(y) * width + x]));
        }
    }
}

// The region, both bevel passes and the masking. The region is read into a layout (Box) where the
// bevel of the whole box is worked out a byte per pixel in a few loops that run several pixels at a
// time: the bottom shading, which looks down the column, then the highlights, which look back along
// the row and up the column. The piece image is then made a row at a time, lightened and darkened as
// those say, opaque and masked.
platform::PixmapPtr TRozcinacz::_bevelledRegion() {
    const Box box(*this, 3, 4);
    regionBox_.resize(box.size());
    solidBox_.resize(box.size());
    shadingBox_.resize(box.size());
    lightStepsBox_.resize(box.size());
    uint32_t* region = regionBox_.data();
    uint8_t* solid = solidBox_.data();
    uint8_t* shading = shadingBox_.data();
    uint8_t* lightSteps = lightStepsBox_.data();
    _readRegion(region, solid, box.origin, box.span);
    solidMargins(box, solid);
    const size_t begin = box.origin, end = box.at(0, box.height);
    bottomShading(solid, box.span, shading, begin, end);
    shadeTopRows(box, shading);
    highlights(solid, shading, box.span, lightSteps, begin, end);
    auto pm = platform::Pixmap::create(box.width, box.height, platform::Pixmap::uninitialised);
    for (int y = 0; y < box.height; ++y) {
        const size_t row = box.at(0, y);
        bevelledRow(region + row, lightSteps + row, shading + row,
                    pm->data() + static_cast<size_t>(y) * box.width, box.width, !pixelByPixel);
    }
    pm->touch();
    return pm;
}

TPuzelPtr TRozcinacz::stworzPuzel(int x, int y) {
    auto piece = std::make_shared<TPuzel>();
    if (!_canFill(x, y)) {
        piece->image = platform::Image::fromPixmap(platform::Pixmap::create(0, 0));
        piece->id = nextId++;
        return piece;
    }
    _fill(x, y);
    auto pm = _bevelledRegion();
    // The loading screen gets its chance once per bevel pass, as if they ran one after the other.
    update();
    draw();
    update();
    draw();
    piece->image = platform::Image::fromPixmap(pm);
    piece->x = piece->homeX = boxLeft * scale;
    piece->y = piece->homeY = boxTop * scale;
    piece->edgePixels = std::move(lastEdge); // handed over: the next fill starts a new list
    lastEdge.clear();
    piece->id = nextId++;
    return piece;
}

void TRozcinacz::stworzSasiadow() {
    // Which piece (by its place in `pieces`) carries each id.
    std::vector<int> indexOfId;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const int id = pieces[k]->id;
        if (id < 0) continue;
        if (static_cast<size_t>(id) >= indexOfId.size()) indexOfId.resize(id + 1, -1);
        if (indexOfId[id] < 0) indexOfId[id] = static_cast<int>(k);
    }
    const size_t stride = static_cast<size_t>(paddedWidth_);
    const bool haveOwners = picture && workLines && preparedFor_ == workLines.get();

    std::vector<int> linked; // places of the pieces P already links to
    for (size_t pi = 0; pi < pieces.size(); ++pi) {
        const TPuzelPtr& p = pieces[pi];
        linked.clear();
        for (const auto& link : p->neighbours) {
            const auto q = link ? link->puzel() : nullptr;
            if (q && q->id >= 0 && static_cast<size_t>(q->id) < indexOfId.size())
                linked.push_back(indexOfId[q->id]);
        }
        // Every fifteenth pixel of the edge list is tried, from the first.
        const std::vector<TWsp>& edge = p->edgePixels;
        for (size_t k = 0; haveOwners && k < edge.size(); k += 15) {
            const TWsp& e = edge[k];
            if (!(e.x > 0 && e.x < maxX && e.y > 0 && e.y < maxY)) continue;
            // A cut-line pixel is in a piece's edge list exactly when that piece's fill took one of its
            // four neighbours; the first such piece in list order, not yet linked, is the one.
            const size_t at = (static_cast<size_t>(e.y) + 1) * stride + e.x + 1;
            const uint16_t around[4] = {map_[at - stride], map_[at - 1], map_[at + 1], map_[at + stride]};
            int best = -1;
            for (const uint16_t v : around) {
                if (!isLabel(v)) continue;
                const size_t id = (v & labelBits) - 1u;
                if (id >= indexOfId.size()) continue;
                const int q = indexOfId[id];
                if (q < 0 || q == static_cast<int>(pi) || (best >= 0 && q >= best)) continue;
                if (std::find(linked.begin(), linked.end(), q) != linked.end()) continue;
                best = q;
            }
            if (best < 0) continue;
            p->neighbours.push_back(stworzSasiada(p, pieces[best]));
            linked.push_back(best);
        }
        update();
        draw();
    }
}

TSasiadPtr TRozcinacz::stworzSasiada(const TPuzelPtr& owner, const TPuzelPtr& neighbour) {
    auto link = std::make_shared<TSasiad>();
    link->piece = neighbour;
    link->fitted = 0;
    link->dx = static_cast<int>(std::fabs(owner->x - neighbour->x));
    link->dy = static_cast<int>(std::fabs(owner->y - neighbour->y));
    link->distance = std::sqrt(static_cast<float>(link->dx * link->dx + link->dy * link->dy));
    link->signX = neighbour->x < owner->x ? 1 : (neighbour->x > owner->x ? -1 : 0);
    link->signY = neighbour->y < owner->y ? 1 : (neighbour->y > owner->y ? -1 : 0);
    return link;
}

void TRozcinacz::wylosuj() {
    if (pieces.empty()) return;
    std::vector<TPuzelPtr> next;
    next.reserve(pieces.size());
    for (int round = 0; round < 100; ++round) {
        const int n = static_cast<int>(pieces.size());
        const int a = platform::Rand(1, n);
        const int b = platform::Rand(1, n);
        // Moved, not copied: the old order is dropped right after.
        next.clear();
        for (int k = 1; k <= n; ++k) {
            if (k != a && k != b) next.push_back(std::move(pieces[k - 1]));
        }
        next.push_back(std::move(pieces[a - 1]));
        if (b != a) next.push_back(std::move(pieces[b - 1]));
        pieces.swap(next);
    }
}
