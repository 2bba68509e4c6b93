// Puzzle picture 2: a deep view into the spirals at the edge of the Mandelbrot set, coloured with a
// cyclic palette and lit as a relief from the distance estimate, so every part looks different.
#include "Pictures.h"

#include "Maths.h"

#include <thread>
#include <vector>

namespace datagen {
namespace {

struct View {
    double cx, cy, width;
    float angle;
};

// A spiral in the valley between the main cardioid and the period-2 bulb, turned a little.
constexpr View view{-0.74695, 0.11445, 0.0022, 0.5f};

Colour shade(double cr, double ci, const Gradient& palette) {
    constexpr int maxIter = 1500;
    double zr = 0, zi = 0, dr = 0, di = 0;
    double trap = 1e9;
    // Stripe average: the mean of sin(k arg z) over the orbit draws flowing ribbons into the
    // otherwise smooth outside, so no region of the picture is flat.
    double stripes = 0, lastStripe = 0;
    int i = 0;
    for (; i < maxIter; ++i) {
        // dz = 2 z dz + 1
        const double ndr = 2 * (zr * dr - zi * di) + 1, ndi = 2 * (zr * di + zi * dr);
        dr = ndr;
        di = ndi;
        const double nzr = zr * zr - zi * zi + cr, nzi = 2 * zr * zi + ci;
        zr = nzr;
        zi = nzi;
        trap = std::min(trap, std::fabs(zr * zi));
        // sin(5 arg z) as the imaginary part of (z / |z|)^5, without trigonometry.
        const double inv = 1.0 / std::sqrt(zr * zr + zi * zi + 1e-300);
        const double ur = zr * inv, ui = zi * inv;
        const double u2r = ur * ur - ui * ui, u2i = 2 * ur * ui;
        const double u4r = u2r * u2r - u2i * u2i, u4i = 2 * u2r * u2i;
        lastStripe = 0.5 + 0.5 * (u4r * ui + u4i * ur);
        stripes += lastStripe;
        if (zr * zr + zi * zi > 1e8) break;
    }
    if (i == maxIter) {
        const float t = static_cast<float>(std::clamp(std::log(trap + 1e-12) / -12.0, 0.0, 1.0));
        return mix(hex(0x0b0f2a), hex(0x3a1f5c), t);
    }
    const double mod = std::sqrt(zr * zr + zi * zi);
    const double smooth = i + 1 - std::log(std::log(mod)) / std::log(2.0);
    // Relief: normal from z / dz, lit from the upper left.
    const double ur = zr * dr + zi * di, ui = zi * dr - zr * di; // z * conj(dz)
    const double un = std::sqrt(ur * ur + ui * ui);
    const float nx = static_cast<float>(ur / un), ny = static_cast<float>(ui / un);
    const float light = clamp01(0.55f + 0.45f * (nx * -0.6f + ny * 0.6f));
    const double frac = smooth - std::floor(smooth);
    const double count = i + 1;
    const double average = stripes / count,
                 previous = count > 1 ? (stripes - lastStripe) / (count - 1) : average;
    const float ribbon = static_cast<float>(previous + (average - previous) * frac);
    const float t = static_cast<float>(std::log(smooth + 1) * 1.35) + ribbon * 0.35f;
    Colour col = palette.cyclic(t);
    col = col * (0.45f + 0.75f * light) * (0.7f + 0.5f * ribbon);
    return clamped(col);
}

} // namespace

Canvas paintFractal() {
    const View& v = view;
    const Gradient palette{{0.0f, hex(0x0d1b4c)},  {0.16f, hex(0x1f6f8b)}, {0.32f, hex(0x99d6b9)},
                           {0.45f, hex(0xfff3c4)}, {0.58f, hex(0xf6a93b)}, {0.72f, hex(0xd6456b)},
                           {0.86f, hex(0x6b2a7a)}, {1.0f, hex(0x0d1b4c)}};
    Canvas c(pictureWidth, pictureHeight);
    const double scale = v.width / pictureWidth;
    const double ca = std::cos(v.angle), sa = std::sin(v.angle);
    constexpr int ss = 3;
    // Rows are shared out between two threads; each pixel depends only on its own position, so the
    // result is the same however the threads run.
    auto rows = [&](int first, int step) {
        for (int y = first; y < pictureHeight; y += step) {
            for (int x = 0; x < pictureWidth; ++x) {
                Colour acc;
                for (int j = 0; j < ss; ++j) {
                    for (int i = 0; i < ss; ++i) {
                        const double px = (x + (i + 0.5) / ss - pictureWidth / 2.0) * scale;
                        const double py = (y + (j + 0.5) / ss - pictureHeight / 2.0) * scale;
                        acc = acc + shade(v.cx + px * ca - py * sa, v.cy + px * sa + py * ca, palette);
                    }
                }
                acc = acc * (1.0f / (ss * ss));
                c.at(x, y) = {acc.r, acc.g, acc.b, 1};
            }
        }
    };
    std::thread helper(rows, 1, 2);
    rows(0, 2);
    helper.join();
    return c;
}

} // namespace datagen
