// The cut's row loops; see CutRows.h. Each SSE2 loop gives exactly what its plain loop gives.
#include "cutting/CutRows.h"

#include "platform/Pixmap.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace cutrows {

namespace {

// All ones when true: the plain row loops below choose by masks, free of branches.
uint32_t maskOf(bool b) {
    return 0u - static_cast<uint32_t>(b);
}

// The map_ value of a work-line pixel before any fill of this cut.
uint16_t mapValue(uint32_t line) {
    const uint32_t rgb = line & 0xFFFFFFu;
    return rgb == 0xFFFFFFu ? mapLine : (rgb == 0xFFFF00u ? mapPretaken : mapFree);
}

// A pixel of the piece image: its pixel of the region lightened by `lightSteps` steps of 15, darkened
// by `shading` - 1 steps of 25 if it is shaded at all (bottomShading), masked.
uint32_t bevelled(uint32_t c, uint8_t lightSteps, uint8_t shading) {
    return masked(darken(lighten(c, 15 * lightSteps), 25 * std::max(shading - 1, 0)));
}

#if defined(__SSE2__) || defined(_M_X64)
// The row loops below with SSE2, eight pixels at a time: whole groups from the start of a row, and
// where a group would reach past the end, the last eight pixels instead, overlapping the group before
// (each loop gives the same when it goes twice over a pixel). Each returns how many pixels it did;
// rows narrower than a group, and all rows without SSE2, go pixel by pixel through the plain loops.
constexpr int groupWidth = 8;

int nextGroup(int x, int count) {
    return std::min(x + groupWidth, count - groupWidth);
}

__m128i loadPixels(const uint32_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
void storePixels(uint32_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}
// a where `mask` is set, b elsewhere.
__m128i pick(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}

int mapPixels(const uint32_t* lines, uint16_t* map, uint8_t* lineFlags, int count) {
    if (count < groupWidth) return 0;
    // The colour bits, which are also those of a line pixel.
    const __m128i colour = _mm_set1_epi32(0xFFFFFF), yellow = _mm_set1_epi32(0xFFFF00);
    for (int x = 0;; x = nextGroup(x, count)) {
        const __m128i low = _mm_and_si128(loadPixels(lines + x), colour);
        const __m128i high = _mm_and_si128(loadPixels(lines + x + 4), colour);
        // All ones in 16 bits (mapLine) for a line pixel; likewise for a pixel taken before the cut.
        const __m128i line = _mm_packs_epi32(_mm_cmpeq_epi32(low, colour), _mm_cmpeq_epi32(high, colour));
        const __m128i before = _mm_packs_epi32(_mm_cmpeq_epi32(low, yellow), _mm_cmpeq_epi32(high, yellow));
        const __m128i value =
            _mm_or_si128(line, _mm_and_si128(before, _mm_set1_epi16(static_cast<short>(mapPretaken))));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(map + x), value);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(lineFlags + x),
                         _mm_and_si128(_mm_packs_epi16(line, line), _mm_set1_epi8(1)));
        if (x == count - groupWidth) return count;
    }
}

int takenPixels(const uint16_t* map, uint16_t label, const uint32_t* pictureRow, uint32_t* linesRow,
                int count, uint32_t* out, uint8_t* solid) {
    if (count < groupWidth) return 0;
    const __m128i labels = _mm_set1_epi16(static_cast<short>(label));
    const __m128i outsides = _mm_set1_epi32(static_cast<int>(outside)),
                  takens = _mm_set1_epi32(static_cast<int>(taken));
    for (int x = 0;; x = nextGroup(x, count)) {
        const __m128i took =
            _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(map + x)), labels);
        const __m128i tookLow = _mm_unpacklo_epi16(took, took), tookHigh = _mm_unpackhi_epi16(took, took);
        const __m128i low = pick(tookLow, loadPixels(pictureRow + x), outsides);
        const __m128i high = pick(tookHigh, loadPixels(pictureRow + x + 4), outsides);
        storePixels(out + x, low);
        storePixels(out + x + 4, high);
        storePixels(linesRow + x, pick(tookLow, takens, loadPixels(linesRow + x)));
        storePixels(linesRow + x + 4, pick(tookHigh, takens, loadPixels(linesRow + x + 4)));
        const __m128i off = _mm_packs_epi32(_mm_cmpeq_epi32(low, outsides), _mm_cmpeq_epi32(high, outsides));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(solid + x),
                         _mm_andnot_si128(_mm_packs_epi16(off, off), _mm_set1_epi8(1)));
        if (x == count - groupWidth) return count;
    }
}

// Four steps, one in each 32-bit lane, as that many times `by` in each colour byte.
__m128i byteSteps(__m128i steps, int by) {
    const __m128i amount = _mm_mullo_epi16(steps, _mm_set1_epi32(by * 0x0101));
    return _mm_or_si128(amount, _mm_slli_epi32(amount, 8));
}

// Lightening and darkening by steps are saturating additions and subtractions of the colour bytes.
__m128i bevelledFour(__m128i c, __m128i lightSteps, __m128i darkSteps) {
    const __m128i opaque = _mm_or_si128(c, _mm_set1_epi32(static_cast<int>(0xFF000000u)));
    return _mm_subs_epu8(_mm_adds_epu8(opaque, byteSteps(lightSteps, 15)), byteSteps(darkSteps, 25));
}

__m128i maskedFour(__m128i c) {
    const __m128i outsides = _mm_set1_epi32(static_cast<int>(outside));
    const __m128i opaque = _mm_or_si128(c, _mm_set1_epi32(static_cast<int>(0xFF000000u)));
    return pick(_mm_cmpeq_epi32(_mm_and_si128(c, _mm_set1_epi32(0xFFFFFF)), outsides), outsides, opaque);
}

int bevelledPixels(const uint32_t* region, const uint8_t* lightSteps, const uint8_t* shading, uint32_t* out,
                   int count) {
    if (count < groupWidth) return 0;
    const __m128i zero = _mm_setzero_si128();
    for (int x = 0;; x = nextGroup(x, count)) {
        const __m128i lit = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(lightSteps + x));
        const __m128i shaded = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(shading + x));
        __m128i low = loadPixels(region + x), high = loadPixels(region + x + 4);
        // Most pixels are away from the edges of the piece, where the bevel leaves them as they are.
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_or_si128(lit, shaded), zero)) != 0xFFFF) {
            const __m128i up = _mm_unpacklo_epi8(lit, zero);
            const __m128i down = _mm_unpacklo_epi8(_mm_subs_epu8(shaded, _mm_set1_epi8(1)), zero);
            low = bevelledFour(low, _mm_unpacklo_epi16(up, zero), _mm_unpacklo_epi16(down, zero));
            high = bevelledFour(high, _mm_unpackhi_epi16(up, zero), _mm_unpackhi_epi16(down, zero));
        }
        storePixels(out + x, maskedFour(low));
        storePixels(out + x + 4, maskedFour(high));
        if (x == count - groupWidth) return count;
    }
}
#else
int mapPixels(const uint32_t*, uint16_t*, uint8_t*, int) {
    return 0;
}
int takenPixels(const uint16_t*, uint16_t, const uint32_t*, uint32_t*, int, uint32_t*, uint8_t*) {
    return 0;
}
int bevelledPixels(const uint32_t*, const uint8_t*, const uint8_t*, uint32_t*, int) {
    return 0;
}
#endif
} // namespace

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

uint32_t masked(uint32_t c) {
    return (c & 0xFFFFFFu) == 0xFF00FFu ? (c & 0xFFFFFFu) : (c | 0xFF000000u);
}

// The row loops: with `grouped`, they take groups of pixels where they can (above), and the rest
// goes pixel by pixel.

void mapRow(const uint32_t* lines, uint16_t* map, uint8_t* lineFlags, int count, bool grouped) {
    for (int x = grouped ? mapPixels(lines, map, lineFlags, count) : 0; x < count; ++x) {
        map[x] = mapValue(lines[x]);
        lineFlags[x] = map[x] == mapLine;
    }
}

void findEnclosed(const uint8_t* above, const uint8_t* row, const uint8_t* below, int count, size_t start,
                  uint8_t* flags, std::vector<uint32_t>& found) {
    for (int x = 0; x < count; ++x) flags[x] = above[x + 1] & below[x + 1] & row[x] & row[x + 2];
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        uint64_t eight;
        std::memcpy(&eight, flags + x, sizeof eight);
        if (eight == 0) continue;
        for (int k = x; k < x + 8; ++k) {
            if (flags[k]) found.push_back(static_cast<uint32_t>(start + k));
        }
    }
    for (; x < count; ++x) {
        if (flags[x]) found.push_back(static_cast<uint32_t>(start + x));
    }
}

void takenRow(const uint16_t* map, uint16_t label, const uint32_t* pictureRow, uint32_t* linesRow, int count,
              uint32_t* out, uint8_t* solid, bool grouped) {
    for (int x = grouped ? takenPixels(map, label, pictureRow, linesRow, count, out, solid) : 0; x < count;
         ++x) {
        const uint32_t took = maskOf(map[x] == label);
        out[x] = (pictureRow[x] & took) | (outside & ~took);
        linesRow[x] = (taken & took) | (linesRow[x] & ~took);
        solid[x] = out[x] != outside;
    }
}

void bevelledRow(const uint32_t* region, const uint8_t* lightSteps, const uint8_t* shading, uint32_t* out,
                 int count, bool grouped) {
    for (int x = grouped ? bevelledPixels(region, lightSteps, shading, out, count) : 0; x < count; ++x) {
        out[x] = bevelled(region[x], lightSteps[x], shading[x]);
    }
}

void bottomShading(const uint8_t* solid, size_t span, uint8_t* shading, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        const uint8_t down1 = solid[i + span], down2 = solid[i + 2 * span], down3 = solid[i + 3 * span],
                      down4 = solid[i + 4 * span];
        const uint8_t end1 = down1 ^ 1, end2 = down1 & (down2 ^ 1), end3 = down2 & (down3 ^ 1),
                      end4 = down3 & (down4 ^ 1);
        const uint8_t toEnd = 4 - (end2 | end3 | end4) - (end3 | end4) - end4;
        shading[i] = toEnd & static_cast<uint8_t>(0 - (solid[i] & (end1 | end2 | end3 | end4)));
    }
}

void highlights(const uint8_t* solid, const uint8_t* shading, size_t span, uint8_t* lightSteps, size_t begin,
                size_t end) {
    for (size_t i = begin; i < end; ++i) {
        const uint8_t left1 = solid[i - 1], left2 = left1 & solid[i - 2], left3 = left2 & solid[i - 3];
        const uint8_t up1 = solid[i - span], up2 = up1 & solid[i - 2 * span], up3 = up2 & solid[i - 3 * span];
        const uint8_t fromLeft = 3 - left1 - left2 - left3, fromTop = 3 - up1 - up2 - up3;
        const uint8_t unshaded = static_cast<uint8_t>(0 - (shading[i] == 0));
        lightSteps[i] = static_cast<uint8_t>((fromLeft + (fromTop & unshaded)) & (0 - solid[i]));
    }
}

} // namespace cutrows
