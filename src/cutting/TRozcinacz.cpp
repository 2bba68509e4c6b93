// The cut: fill, bevel, piece images, neighbour links and the shuffle. Pixels are read and written
// straight in memory and each piece's buffer covers only its bounding box; the pieces, their pixels,
// edge lists, links and order are exactly those of the pixel-by-pixel description of the cut.
#include "cutting/TRozcinacz.h"

#include "audio/TSongManager.h"
#include "core/Screen.h"
#include "core/TDeltaTime.h"
#include "core/TZegar.h"
#include "platform/Draw.h"
#include "platform/Graphics.h"
#include "platform/Random.h"
#include "platform/System.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

std::shared_ptr<TRozcinacz> rozcinacz;

namespace {

constexpr uint32_t outside = 0x00FF00FFu; // not part of the piece; transparent once masked
constexpr uint32_t taken = 0xFFFFFF00u;   // a pixel some fill has taken
constexpr int maxWidth = 800;             // the fill's pixmap size in the original layout
constexpr int maxHeight = 600;
constexpr int framePeriodMs = 17; // a present at most once per 1/60 s
// The music update is cheap but not free; every few thousand fill rounds keeps it well under a
// frame apart without costing the fill anything measurable.
constexpr size_t musicRounds = 4096;

// map_ values. Labels of this cut's fills lie below mapPretaken with the seed bit clear or set.
constexpr uint16_t mapFree = 0, mapPretaken = 0xFFFD, mapOutside = 0xFFFE, mapLine = 0xFFFF;
constexpr uint16_t seedBit = 0x8000, labelBits = 0x7FFF;
constexpr uint32_t maxLabel = 0x7FFC;

bool isLabel(uint16_t v) {
    return v != mapFree && v < mapPretaken;
}

uint32_t lighten(uint32_t c, int by) {
    const uint32_t r = std::min<uint32_t>(255, platform::redOf(c) + by);
    const uint32_t g = std::min<uint32_t>(255, platform::greenOf(c) + by);
    const uint32_t b = std::min<uint32_t>(255, platform::blueOf(c) + by);
    return platform::argb(255, r, g, b);
}

uint32_t darken(uint32_t c, int by) {
    const int r = std::max(0, static_cast<int>(platform::redOf(c)) - by);
    const int g = std::max(0, static_cast<int>(platform::greenOf(c)) - by);
    const int b = std::max(0, static_cast<int>(platform::blueOf(c)) - by);
    return platform::argb(255, r, g, b);
}

// The transparent key: 255, 0, 255 becomes fully transparent, everything else fully opaque.
uint32_t masked(uint32_t c) {
    return (c & 0xFFFFFFu) == 0xFF00FFu ? (c & 0xFFFFFFu) : (c | 0xFF000000u);
}

void tell(const std::string& text) {
    platform::messageBox("Tessaro Puzzle Game", text);
}

std::string sizeText(const platform::PixmapPtr& p) {
    return p ? std::to_string(p->width()) + " x " + std::to_string(p->height()) : std::string("missing");
}

} // namespace

platform::PixmapPtr TRozcinacz::setup(const std::string& picturePath, platform::PixmapPtr linesA,
                                      platform::PixmapPtr linesB) {
    platform::PixmapPtr loaded;
    if (picturePath.empty()) {
        tell("Probojesz zaladowac niewlasciwy typ obiektu jako TPixmap");
        loaded = platform::Pixmap::create(0, 0);
    } else {
        loaded = platform::loadPixmap(picturePath);
        if (!loaded) tell("Nie mozna zaladowac obrazka: " + picturePath);
    }
    return setup(loaded, std::move(linesA), std::move(linesB));
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
    const size_t padded = static_cast<size_t>(paddedWidth_) * static_cast<size_t>(height + 2);
    const size_t area = static_cast<size_t>(width) * static_cast<size_t>(height);
    map_.assign(padded, mapOutside);
    const uint32_t* lines = workLines->data();
    for (int y = 0; y < height; ++y) {
        const uint32_t* src = lines + static_cast<size_t>(y) * width;
        uint16_t* dst = map_.data() + static_cast<size_t>(y + 1) * paddedWidth_ + 1;
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = src[x] & 0xFFFFFFu;
            dst[x] = rgb == 0xFFFFFFu ? mapLine : (rgb == 0xFFFF00u ? mapPretaken : mapFree);
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
    // outside pixels stands in for the bounds tests. The extremes of the pixels the fill goes through
    // can only grow when a pixel is taken, and only toward the side it lies on.
    const size_t offset = stride + 1;
    const size_t seed = static_cast<size_t>(y) * stride + static_cast<size_t>(x) + offset;
    queue[0] = static_cast<uint32_t>(y) << 16 | static_cast<uint32_t>(x);
    const uint32_t* head = queue;
    uint32_t* tail = queue + 1;
    uint32_t* edgeEnd = edge_.get();
    uint32_t loX = static_cast<uint32_t>(x), hiX = loX, loY = static_cast<uint32_t>(y), hiY = loY;
    while (head < tail) {
        const uint32_t q = *head++;
        const uint32_t px = q & 0xFFFFu, py = q >> 16;
        const size_t n = static_cast<size_t>(py) * stride + px + offset;
        if (const uint16_t v = map[n - stride]; v == mapFree) {
            map[n - stride] = label;
            *tail++ = q - 0x10000u;
            loY = std::min(loY, py - 1);
        } else if (v == mapLine) {
            *edgeEnd++ = q - 0x10000u;
        }
        if (const uint16_t v = map[n - 1]; v == mapFree) {
            map[n - 1] = label;
            *tail++ = q - 1;
            loX = std::min(loX, px - 1);
        } else if (v == mapLine) {
            *edgeEnd++ = q - 1;
        }
        if (const uint16_t v = map[n + 1]; v == mapFree) {
            map[n + 1] = label;
            *tail++ = q + 1;
            hiX = std::max(hiX, px + 1);
        } else if (v == mapLine) {
            *edgeEnd++ = q + 1;
        }
        if (const uint16_t v = map[n + stride]; v == mapFree) {
            map[n + stride] = label;
            *tail++ = q + 0x10000u;
            hiY = std::max(hiY, py + 1);
        } else if (v == mapLine) {
            *edgeEnd++ = q + 0x10000u;
        }
        if ((head - queue) % musicRounds == 0) globalMusicUpdate();
    }
    // A seed its own fill never took (a one-pixel pocket) stays free, as the work lines keep it, but
    // its cut-line neighbours still belong to this piece.
    if (map[seed] == mapFree) map[seed] = static_cast<uint16_t>(label | seedBit);

    // The box reaches one pixel beyond those extremes toward each side the fill looked at. Toward a
    // side of the picture it did not look: the region being connected, the pixel next to that side is
    // then its extreme (or nothing is, for a region one pixel across, and the box keeps its start).
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
        out->x = static_cast<int>(*k & 0xFFFFu);
        out->y = static_cast<int>(*k >> 16);
        out->value = 0;
    }
}

namespace {

// One row of the region of a fill: every pixel the fill took (the seed only if it was taken), now
// marked as taken in the work lines too, and every cut-line pixel beside a pixel it went through.
// Calls put(column, value) for every pixel of the row, 0x00FF00FF outside the region.
template <typename Put>
void regionRow(const uint16_t* map, size_t stride, uint16_t label, const uint32_t* pictureRow,
               uint32_t* linesRow, int count, Put&& put) {
    auto mine = [label](uint16_t v) { return (v & labelBits) == label; };
    for (int col = 0; col < count; ++col) {
        const uint16_t v = map[col];
        uint32_t value = outside;
        if (v == label) {
            value = pictureRow[col];
            linesRow[col] = taken;
        } else if (v == mapLine && (mine(map[col - stride]) || mine(map[col - 1]) || mine(map[col + 1]) ||
                                    mine(map[col + stride]))) {
            value = pictureRow[col];
        }
        put(col, value);
    }
}

} // namespace

bool TRozcinacz::_canFill(int x, int y) const {
    if (!_readyToCut(picture ? picture->width() : 0, picture ? picture->height() : 0)) return false;
    if (picture->contains(x, y)) return true;
    tell("Cannot cut a piece at " + std::to_string(x) + ", " + std::to_string(y) + ": outside the picture.");
    return false;
}

platform::PixmapPtr TRozcinacz::wytnijObrazek(int x, int y) {
    if (!_canFill(x, y)) return platform::Pixmap::create(0, 0);
    _fill(x, y);
    const int left = static_cast<int>(boxLeft), top = static_cast<int>(boxTop);
    const int boxW = static_cast<int>(boxRight) - left + 1, boxH = static_cast<int>(boxBottom) - top + 1;
    auto pm = platform::Pixmap::create(boxW, boxH, outside);
    const size_t stride = static_cast<size_t>(paddedWidth_);
    for (int row = 0; row < boxH; ++row) {
        const size_t at = static_cast<size_t>(top + row + 1) * stride + left + 1;
        const size_t i = static_cast<size_t>(top + row) * picture->width() + left;
        uint32_t* out = pm->data() + static_cast<size_t>(row) * boxW;
        regionRow(map_.data() + at, stride, static_cast<uint16_t>(label_), picture->data() + i,
                  workLines->data() + i, boxW, [&](int col, uint32_t value) { out[col] = value; });
    }
    pm->touch();
    return pm;
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
    const int width = picture->width(), height = picture->height();
    const size_t stride = static_cast<size_t>(paddedWidth_);
    const uint16_t* map = map_.data();
    const uint32_t* pixels = picture->data();
    std::vector<uint8_t> enclosed(static_cast<size_t>(width), 0);
    for (int y = 0; y < height; ++y) {
        const uint16_t* row = map + static_cast<size_t>(y + 1) * stride + 1;
        const uint16_t* up = row - stride;
        const uint16_t* down = row + stride;
        // Line or outside on all four sides.
        for (int x = 0; x < width; ++x) {
            enclosed[x] = static_cast<uint8_t>((up[x] >= mapOutside) & (down[x] >= mapOutside) &
                                               (row[x - 1] >= mapOutside) & (row[x + 1] >= mapOutside));
        }
        for (int x = 0; x < width; ++x) {
            if (x + 8 <= width) { // eight at a time through the long stretches with none
                uint64_t eight;
                std::memcpy(&eight, enclosed.data() + x, sizeof eight);
                if (eight == 0) {
                    x += 7;
                    continue;
                }
            }
            if (!enclosed[x] || isLabel(row[x])) continue; // a fill started here
            const size_t n = (static_cast<size_t>(y) + 1) * stride + x + 1;
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
}

// The region, both bevel passes and the masking in one walk along the rows: the left highlight runs
// along each row, while the top highlight and the bottom shading keep each column's state aside (its
// countdown and its last four values as the left highlight left them).
platform::PixmapPtr TRozcinacz::_bevelledRegion() {
    const int left = static_cast<int>(boxLeft), top = static_cast<int>(boxTop);
    const int w = static_cast<int>(boxRight) - left + 1, h = static_cast<int>(boxBottom) - top + 1;
    auto pm = platform::Pixmap::create(w, h, outside);
    uint32_t* p = pm->data();
    recentRows_.resize(static_cast<size_t>(w) * 4);
    highlight_.resize(static_cast<size_t>(w));
    uint32_t* recent = recentRows_.data();
    uint8_t* b = highlight_.data();
    const size_t stride = static_cast<size_t>(paddedWidth_);
    for (int y = 0; y < h; ++y) {
        const size_t at = static_cast<size_t>(top + y + 1) * stride + left + 1;
        const size_t i = static_cast<size_t>(top + y) * picture->width() + left;
        uint32_t* row = p + static_cast<size_t>(y) * w;
        uint32_t* slot = recent + static_cast<size_t>(y & 3) * w;
        const uint32_t* above = recent + static_cast<size_t>((y - 1) & 3) * w;
        uint32_t prev = outside;
        int e = 0;
        regionRow(map_.data() + at, stride, static_cast<uint16_t>(label_), picture->data() + i,
                  workLines->data() + i, w, [&](int x, uint32_t cur) {
                      // Left highlight.
                      uint32_t v = cur;
                      if (cur != outside) {
                          if (prev == outside || x == 0) e = 3;
                          if (e > 0) {
                              v = lighten(cur, 15 * e);
                              --e;
                          }
                      }
                      prev = cur;
                      // Top highlight and bottom shading, on what the left highlight gave.
                      uint32_t out = v;
                      if (y == 0) {
                          b[x] = v != outside ? 3 : 0;
                      } else if (above[x] == outside) {
                          if (v != outside) b[x] = 3;
                      } else if (v == outside) {
                          const int n = std::min(y, 4);
                          for (int k = 0; k < n; ++k) {
                              const int r = y - n + k;
                              const uint32_t value = recent[static_cast<size_t>(r & 3) * w + x];
                              if (value != outside)
                                  p[static_cast<size_t>(r) * w + x] = masked(darken(value, 25 * k));
                          }
                      }
                      if (v != outside && b[x] > 0) {
                          out = lighten(v, 15 * b[x]);
                          --b[x];
                      }
                      slot[x] = v;
                      row[x] = masked(out);
                  });
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
        int count = 0;
        for (const TWsp& e : p->edgePixels) {
            const bool tried = count % 15 == 0;
            ++count;
            if (!tried || !(e.x > 0 && e.x < maxX && e.y > 0 && e.y < maxY) || !haveOwners) continue;
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
        next.clear();
        for (int k = 1; k <= n; ++k) {
            if (k != a && k != b) next.push_back(pieces[k - 1]);
        }
        next.push_back(pieces[a - 1]);
        if (b != a) next.push_back(pieces[b - 1]);
        pieces.swap(next);
    }
}
