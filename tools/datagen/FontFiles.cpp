// The game font: a free display font from a Debian package, copied in with its licence text.
#include "Generators.h"

#include "platform/Files.h"

#include <stdexcept>

namespace datagen {

namespace {
const char* const fontPackage = "fonts-comfortaa";
const char* const fontSource = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
const char* const licenceSource = "/usr/share/doc/fonts-comfortaa/copyright";
} // namespace

std::string copyFont(DataTree& tree) {
    if (platform::fileType(fontSource) != platform::fileFile ||
        platform::fileType(licenceSource) != platform::fileFile) {
        throw std::runtime_error(std::string("the game font is missing: install the Debian package ") +
                                 fontPackage + " (it provides " + fontSource + " and " + licenceSource + ")");
    }
    const std::string origin = std::string("copied from the Debian package ") + fontPackage + " (";
    tree.copyFile("gfx/bluehigh.ttf", fontSource, origin + fontSource + ")",
                  "SIL Open Font License 1.1, see gfx/bluehigh-LICENSE.txt");
    tree.copyFile("gfx/bluehigh-LICENSE.txt", licenceSource, origin + licenceSource + ")",
                  "SIL Open Font License 1.1 (the licence text itself)");
    return tree.pathOf("gfx/bluehigh.ttf");
}

} // namespace datagen
