// The cutter: flood-fills the regions between the cut lines, copies each region of the picture into a
// bevelled piece image, links neighbouring pieces and shuffles the drawing order, keeping the loading
// screen and the music alive while it works.
#pragma once

#include "core/TWsp.h"
#include "cutting/TPuzel.h"
#include "cutting/TSasiad.h"
#include "platform/Image.h"
#include "platform/Pixmap.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TRozcinacz {
  public:
    platform::PixmapPtr picture;
    // The first cut-line pixmap, kept as it came.
    platform::PixmapPtr linesCopy;
    // The second cut-line pixmap: the fill marks the pixels it takes in it.
    platform::PixmapPtr workLines;
    // Creation order until wylosuj shuffles it; becomes the board's item list.
    std::vector<TPuzelPtr> pieces;
    std::vector<TPuzelPtr> piecesInOrder;
    std::vector<TWsp> lastEdge;
    // Bounding box of the last fill in picture pixels, the cut line around the piece included.
    float boxLeft = 0;
    float boxTop = 0;
    float boxRight = 0;
    float boxBottom = 0;
    int maxX = 0;
    int maxY = 0;
    float scale = 0;
    int originX = 0;
    int originY = 0;
    int nextId = 0;
    // The main menu's background, shown behind the clock while cutting; set at start-up.
    platform::ImagePtr loadingPicture;

    // Takes the picture (loaded from the path as FLoadPixmap does, which reports a failure) and the two
    // cut-line pixmaps; returns the picture.
    platform::PixmapPtr setup(const std::string& picturePath, platform::PixmapPtr linesA,
                              platform::PixmapPtr linesB);
    platform::PixmapPtr setup(platform::PixmapPtr picturePixmap, platform::PixmapPtr linesA,
                              platform::PixmapPtr linesB);
    // Cuts the whole picture into `pieces`; the last three arguments are not used.
    void potnij(int width, int height, int a, int b, int c);
    // One frame of the loading screen, presented at most once per 1/60 s.
    void update();
    void draw();

    // Fills the region around (x, y) and returns it as a pixmap of its bounding box (boxLeft, boxTop
    // at its origin): picture pixels inside the region and on its cut line, 0x00FF00FF elsewhere.
    platform::PixmapPtr wytnijObrazek(int x, int y);
    // The bevel passes, one at a time, in place on such a bounding-box pixmap. stworzPuzel does both
    // and the masking together.
    platform::PixmapPtr stworzKrawedzieV(platform::PixmapPtr pm);
    platform::PixmapPtr stworzKrawedzieH(platform::PixmapPtr pm);
    TPuzelPtr stworzPuzel(int x, int y);
    void stworzSasiadow();
    TSasiadPtr stworzSasiada(const TPuzelPtr& owner, const TPuzelPtr& neighbour);
    void wylosuj();

    // The row loops of the cut go several pixels at a time with SSE2 where the processor has it; set,
    // they go pixel by pixel everywhere, as without it. The pieces are the same either way.
    bool pixelByPixel = false;

    // An interior pixel that no piece has taken yet.
    static int col1(uint32_t value) {
        const uint32_t rgb = value & 0xFFFFFFu;
        return rgb != 0xFFFFFFu && rgb != 0xFFFF00u ? 1 : 0;
    }

  private:
    bool _readyToCut(int width, int height) const;
    // The picture and lines are fit to cut and (x, y) lies in the picture; says why not otherwise.
    bool _canFill(int x, int y) const;
    // Sizes the working buffers for the picture, reads the work lines into map_ and finds knots_.
    void _prepareBuffers();
    // The fill itself: the edge list, the box and the taken pixels (in map_). (x, y) is a free pixel,
    // as potnij picks them.
    void _fill(int x, int y);
    // The region of the last fill, in its box (boxLeft to boxBottom): the picture's pixels and 0x00FF00FF
    // elsewhere, into `region` from `origin` on with rows `span` apart, and 1 in `solid`, laid out the
    // same, where that is a piece pixel. Marks the pixels taken in the work lines.
    void _readRegion(uint32_t* region, uint8_t* solid, size_t origin, size_t span);
    // The region of the last fill, bevelled and masked: the finished piece image.
    platform::PixmapPtr _bevelledRegion();
    void _fillLineKnots();

    // The work lines as one value per pixel, with a one-pixel frame of "outside" around the picture
    // so that the fill needs no bounds tests: free, a cut line, taken before this cut, or taken by a
    // fill of this cut (1 + the id of its piece; with the top bit for a seed its fill never took).
    // Pieces sharing a cut-line pixel are found through it without scanning edge lists.
    std::vector<uint16_t> map_;
    // The pixels with a cut line (or the outside) on all four sides, as places in map_: where lines
    // meet, no fill reaches them (_fillLineKnots).
    std::vector<uint32_t> knots_;
    // While the work lines are read: which pixels of the last three rows are cut lines (with the
    // outside around them), and room to flag the knots of a row.
    std::vector<uint8_t> lineFlags_;
    uint32_t label_ = 0; // of the last fill
    int paddedWidth_ = 0;
    const platform::Pixmap* preparedFor_ = nullptr;
    // Fill queue and edge list of the current fill, as places in map_ with their columns; sized once
    // per picture so that the fill never checks for room.
    std::unique_ptr<uint32_t[]> queue_;
    std::unique_ptr<uint32_t[]> edge_;
    size_t capacity_ = 0;
    // The region being bevelled, in the layout of the bevel (Box): its pixels, whether each is a piece
    // pixel, its bottom shading and how much the bevel lightens it.
    std::vector<uint32_t> regionBox_;
    std::vector<uint8_t> solidBox_;
    std::vector<uint8_t> shadingBox_;
    std::vector<uint8_t> lightStepsBox_;
    // The bottom shading of the single steps: each column's last four values as read, and its highlight
    // countdown.
    std::vector<uint32_t> recentRows_;
    std::vector<uint8_t> highlight_;
    bool presented_ = false;
    int lastPresent_ = 0;
};

extern std::shared_ptr<TRozcinacz> rozcinacz;
