// Times the cut of each of the game's four picture sets, headless, against a floor loop that only
// reads the picture and the line pixmap once and writes every picture pixel once, measured in the same
// runs. Prints medians: wall time of the cut, its processor time (which other work on the machine does
// not inflate), the floor and the ratio of cut to floor; "lines ms" is making the grid and drawing its
// lines twice, once. Optionally writes a sheet of the four pictures cut and laid out with gaps.
//
//   bench_cut [--runs N] [--sheet out.png]
//
// The pictures come from the data tree (TESSARO_DATA, or the one the build generates).
#include "core/TDeltaTime.h"
#include "core/TZegar.h"
#include "cutting/TKreatorKlockow.h"
#include "cutting/TRozcinacz.h"
#include "platform/Files.h"
#include "platform/Graphics.h"
#include "platform/Pixmap.h"
#include "platform/Random.h"
#include "platform/System.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct PictureSet {
    const char* path;
    int columns, rows, style;
};

// The four offers of the picture-set screen.
const PictureSet sets[] = {
    {"gfx/puzzle/obr1.jpg", 4, 3, 1},
    {"gfx/puzzle/obr4.jpg", 8, 6, 0},
    {"gfx/puzzle/obr3.jpg", 6, 5, 2},
    {"gfx/puzzle/obr2.jpg", 10, 8, 4},
};

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The least any cut must do: look at every picture and line pixel once and write every picture pixel.
uint64_t floorLoop(const platform::Pixmap& picture, const platform::Pixmap& lines,
                   std::vector<uint32_t>& out) {
    const size_t n = static_cast<size_t>(picture.width()) * picture.height();
    const uint32_t* p = picture.data();
    const uint32_t* l = lines.data();
    uint32_t* o = out.data();
    for (size_t i = 0; i < n; ++i) o[i] = (l[i] & 0xFFFFFFu) == 0xFFFFFFu ? p[i] : (p[i] | 0xFF000000u);
    return o[n / 3] + o[n - 1];
}

// The four pictures in a 2 x 2 arrangement, each with its pieces spread apart by a gap per grid cell.
struct Sheet {
    static constexpr int gap = 8, margin = 24;
    platform::PixmapPtr canvas;

    static int cellWidth(int i) { return 640 + sets[i].columns * gap; }
    static int cellHeight(int i) { return 480 + sets[i].rows * gap; }
    static int columnLeft(int column) {
        return margin + column * (std::max(cellWidth(0), cellWidth(2)) + margin);
    }
    static int rowTop(int row) { return margin + row * (std::max(cellHeight(0), cellHeight(1)) + margin); }

    Sheet() {
        const int w = columnLeft(1) + std::max(cellWidth(1), cellWidth(3)) + margin;
        const int h = rowTop(1) + std::max(cellHeight(2), cellHeight(3)) + margin;
        canvas = platform::Pixmap::create(w, h, platform::argb(255, 58, 62, 70));
    }

    void add(int index, const TRozcinacz& cut, int pieceWidth, int pieceHeight) {
        const PictureSet& s = sets[index];
        const int left = columnLeft(index % 2), top = rowTop(index / 2);
        for (const auto& piece : cut.piecesInOrder) {
            const auto& pm = *piece->image->pixmap();
            const int hx = static_cast<int>(piece->homeX), hy = static_cast<int>(piece->homeY);
            const int column = std::clamp((hx + pm.width() / 2) / std::max(1, pieceWidth), 0, s.columns - 1);
            const int row = std::clamp((hy + pm.height() / 2) / std::max(1, pieceHeight), 0, s.rows - 1);
            const int ox = left + hx + column * gap, oy = top + hy + row * gap;
            for (int y = 0; y < pm.height(); ++y) {
                for (int x = 0; x < pm.width(); ++x) {
                    const uint32_t c = pm.read(x, y);
                    if (platform::alphaOf(c) == 255) canvas->write(ox + x, oy + y, c);
                }
            }
        }
    }
};

std::string dataRoot() {
    const char* env = std::getenv("TESSARO_DATA");
    return env && *env ? env : TESSARO_DATA_PATH;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 25;
    std::string sheetPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--sheet" && i + 1 < argc) {
            sheetPath = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--runs N] [--sheet out.png]\n", argv[0]);
            return 2;
        }
    }

    const std::string root = dataRoot();
    for (const auto& s : sets) {
        if (platform::fileType(root + "/" + s.path) != platform::fileFile) {
            std::fprintf(stderr,
                         "bench_cut: the picture %s/%s is missing. Generate the data tree first (build the "
                         "data_tree target) or point TESSARO_DATA at one.\n",
                         root.c_str(), s.path);
            return 2;
        }
    }
    if (!sheetPath.empty() && sheetPath[0] != '/') sheetPath = platform::currentFolder() + "/" + sheetPath;
    platform::setCurrentFolder(root);

    // The loading screen as in the game: the menu picture and the clock, presented when a frame is due.
    const bool graphics = platform::openGraphics(800, 600, false);
    deltatime = TDeltaTime::Create(60);
    TZegar::setup();
    zegar = stworzZegar(400, 380);
    TRozcinacz cutter;
    cutter.loadingPicture = platform::Image::load("gfx/menu-screen.jpg");

    std::printf("Cutting the four picture sets, %d runs each, median wall time (renderer: %s)\n\n", runs,
                graphics ? platform::rendererName().c_str() : "none");
    std::printf("%-22s %6s %6s %7s %9s %8s %8s %9s %10s\n", "picture", "grid", "style", "pieces", "lines ms",
                "cut ms", "cpu ms", "floor ms", "cut/floor");

    Sheet sheet;
    uint64_t keep = 0;
    for (size_t index = 0; index < std::size(sets); ++index) {
        const auto& s = sets[index];
        const auto picture = platform::loadPixmap(s.path);
        if (!picture) {
            std::fprintf(stderr, "bench_cut: cannot read %s/%s\n", root.c_str(), s.path);
            return 2;
        }
        TKreatorKlockow lines;
        lines.style = s.style;
        platform::seedRnd(2024 + index);
        auto start = Clock::now();
        lines.createGrid(static_cast<float>(s.columns), static_cast<float>(s.rows),
                         static_cast<float>(picture->width()), static_cast<float>(picture->height()), 0, 0);
        const auto linesA = lines.drawOn(picture->width(), picture->height());
        const auto linesB = lines.drawOn(picture->width(), picture->height());
        const double linesMs = msSince(start);
        const auto wh = lines.getWH();

        std::vector<uint32_t> out(static_cast<size_t>(picture->width()) * picture->height());
        std::vector<double> cutMs, floorMs, cutCpuMs;
        for (int run = -3; run < runs; ++run) { // three warm-up runs
            auto work = linesB->copy();
            const std::clock_t cpuStart = std::clock();
            start = Clock::now();
            cutter.setup(picture, linesA, work);
            cutter.potnij(picture->width(), picture->height(), 0, wh->x, wh->y);
            const double c = msSince(start);
            const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
            start = Clock::now();
            keep += floorLoop(*picture, *linesB, out);
            const double f = msSince(start);
            if (run >= 0) {
                cutMs.push_back(c);
                cutCpuMs.push_back(cpu);
                floorMs.push_back(f);
            }
        }
        const double cut = median(cutMs), floor = median(floorMs);
        const std::string grid = std::to_string(s.columns) + "x" + std::to_string(s.rows);
        std::printf("%-22s %6s %6d %7zu %9.2f %8.3f %8.3f %9.3f %10.1f\n", s.path, grid.c_str(), s.style,
                    cutter.piecesInOrder.size(), linesMs, cut, median(cutCpuMs), floor, cut / floor);
        if (!sheetPath.empty()) sheet.add(static_cast<int>(index), cutter, wh->x, wh->y);
    }
    if (!sheetPath.empty()) {
        if (!platform::savePng(*sheet.canvas, sheetPath)) {
            std::fprintf(stderr, "bench_cut: cannot write %s\n", sheetPath.c_str());
            return 1;
        }
        std::printf("\nSheet of the cut pictures: %s\n", sheetPath.c_str());
    }
    std::printf("%s", keep == 1 ? " " : ""); // keeps the floor loop's output alive
    platform::closeGraphics();
    return 0;
}
