// tessaro_datagen: makes the game's whole data tree (pictures, backgrounds, buttons, windows,
// cursor, clock, particles, font, music and sounds) in the folder given as the only argument.
// The same program always writes the same bytes. MANIFEST.txt is written last: it is the build's
// stamp that the tree is complete.
#include "Generators.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>

namespace {

void timed(const char* what, const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("datagen: %-12s %6.2f s\n", what, took.count());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argc > 0 ? argv[0] : "tessaro_datagen");
        return 2;
    }
    try {
        datagen::DataTree tree(argv[1]);
        const std::string fontPath = datagen::copyFont(tree);
        datagen::Lettering lettering(fontPath);
        std::vector<datagen::Canvas> pictures;
        timed("pictures", [&] { pictures = datagen::makePictures(tree); });
        timed("menus", [&] { datagen::makeMenuBackgrounds(tree, lettering, pictures); });
        timed("board", [&] { datagen::makeBoardBackground(tree); });
        timed("more games", [&] { datagen::makeMoreGames(tree, lettering); });
        timed("buttons", [&] { datagen::makeButtons(tree, lettering); });
        timed("windows", [&] { datagen::makeWindows(tree, lettering); });
        timed("sprites", [&] { datagen::makeSprites(tree); });
        timed("sounds", [&] { datagen::makeSounds(tree); });
        tree.writeManifest();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tessaro_datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
