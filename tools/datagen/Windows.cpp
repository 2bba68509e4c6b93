// The two window images: the settings window (also the end-of-game window) and the question window.
#include "Generators.h"
#include "Shapes.h"
#include "Style.h"

namespace datagen {

void makeWindows(DataTree& tree, Lettering& lettering) {
    const std::string origin = "generated: window art (tools/datagen/Windows.cpp)";
    // 420 x 320: at (200, 220) its OK button at +190 is centred, and at (190, 150) the end-of-game
    // window is centred on the screen with the game's title line in the header band.
    tree.savePng("gfx/gui/ustawienia/window.png", panel(420, 320, 40), origin);

    // 425 x 200 at (200, 200): the message runs from +50 in a 325 px column, the buttons sit at +135.
    Canvas message = panel(425, 200, 36);
    drawLabel(message, lettering, "Question", 212.5f, 21, plainLabel(14));
    const float bx = 26, by = 62;
    Canvas shadow(message.width(), message.height());
    shadow.fill([&](float x, float y) { return sdCircle(x, y, bx, by + 1.5f, 13); }, hex(0x000000), 0.5f);
    message.draw(shadow.blurred(1.5f), 0, 0);
    message.fill([&](float x, float y) { return sdCircle(x, y, bx, by, 13); }, hex(0x9a4a12));
    message.fill([&](float x, float y) { return sdCircle(x, y, bx, by, 11.8f); },
                 [&](float, float y) {
                     return Ink{mix(hex(0xffd98a), hex(0xf08a2c), (y - by + 12) / 24), 1};
                 });
    drawIcon(message, Icon::question, bx, by, 17);
    tree.savePng("gfx/gui/messageWindow.png", message, origin);
}

} // namespace datagen
