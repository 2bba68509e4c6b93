// The pixel work of the cut a row, or a range of a piece's box, at a time: reading the cut lines,
// taking a fill's region out of the picture, and the bevel. The row loops go several pixels at a time
// with SSE2 where the processor has it, or pixel by pixel when `grouped` is false; the result is the
// same either way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cutrows {

constexpr uint32_t outside = 0x00FF00FFu; // not part of the piece; transparent once masked
constexpr uint32_t taken = 0xFFFFFF00u;   // a pixel some fill has taken

// The cutter's map of the picture: labels of this cut's fills lie below mapPretaken.
constexpr uint16_t mapFree = 0, mapPretaken = 0xFFFD, mapOutside = 0xFFFE, mapLine = 0xFFFF;

// Each colour byte raised or lowered by `by`, clamped to 0..255; the result is opaque.
uint32_t lighten(uint32_t c, int by);
uint32_t darken(uint32_t c, int by);
// The transparent key: 255, 0, 255 becomes fully transparent, everything else fully opaque.
uint32_t masked(uint32_t c);

// One row of the work lines into the map, and 1 in `lineFlags` for each line pixel.
void mapRow(const uint32_t* lines, uint16_t* map, uint8_t* lineFlags, int count, bool grouped);

// Adds the pixels of a row with a cut line (or the outside) on all four sides to `found`, in order,
// as places in the map (the row starting at place `start`): no fill ever reaches them. The rows of line
// flags above, of and below the row have a flag for the outside before and after them (set); `flags`
// is room for a flag per pixel.
void findEnclosed(const uint8_t* above, const uint8_t* row, const uint8_t* below, int count, size_t start,
                  uint8_t* flags, std::vector<uint32_t>& found);

// One row of a fill's region: every pixel the fill took (labelled `label` in the map; the seed only if
// it was taken) gets the picture's pixel and is marked as taken in the work lines, every other pixel
// `outside`; `solid` is 1 where that is a piece pixel (anything but `outside`).
void takenRow(const uint16_t* map, uint16_t label, const uint32_t* pictureRow, uint32_t* linesRow, int count,
              uint32_t* out, uint8_t* solid, bool grouped);

// One row of the piece image: each pixel lightened by its light steps of 15, darkened by its shading - 1
// steps of 25 where it is shaded at all, made opaque and masked.
void bevelledRow(const uint32_t* region, const uint8_t* lightSteps, const uint8_t* shading, uint32_t* out,
                 int count, bool grouped);

// The two bevel maps over [begin, end) of a piece's box laid out with rows `span` apart, with at least
// three pixels of margin before each row and three rows above, four rows below, `solid` being 1 for a
// piece pixel.
//
// The bottom shading: where a run of piece pixels down the column ends within the four rows below (the
// last one of them counting), 1 + how much it darkens the pixel, in steps of 25 that grow toward the end
// (0 to 3); 0 elsewhere.
void bottomShading(const uint8_t* solid, size_t span, uint8_t* shading, size_t begin, size_t end);
// How much the bevel lightens each pixel, in steps of 15: the left and the top highlight each fade over
// the first three pixels of a run of piece pixels (3, 2, 1), along the row and down the column, and add
// up; a pixel under the bottom shading keeps the left highlight only.
void highlights(const uint8_t* solid, const uint8_t* shading, size_t span, uint8_t* lightSteps, size_t begin,
                size_t end);

} // namespace cutrows
