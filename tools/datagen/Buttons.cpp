// Every button image: the menu strips and their highlighted looks, the small strips of the windows,
// the toolbar buttons, the settings toggles and points, and the more-games quit button.
#include "Generators.h"
#include "Shapes.h"
#include "Style.h"

#include <stdexcept>

namespace datagen {
namespace {

const std::string origin = "generated: button art (tools/datagen/Buttons.cpp)";

constexpr int menuWidth = 150, menuHeight = 36; // x = 325 centres a 150 px frame on the screen

// A round strip button with an icon instead of a label (plus, minus).
Canvas iconStrip(Icon icon, int size) {
    return hoverStrip([&](Look look) {
        Canvas f(size, size);
        const Rect r{2.5f, 2, size - 5.0f, size - 5.0f};
        drawButtonBody(f, r, r.h / 2, look);
        drawIcon(f, icon, r.cx(), r.cy(), size * 0.55f);
        return f;
    });
}

// A toolbar button: icon and label on a teal pill, as wide as its label needs.
int toolbarWidth(Lettering& lettering, const std::string& text, int size) {
    return 38 + lettering.width(text, size);
}

Canvas toolbarButton(Lettering& lettering, Icon icon, const std::string& text, int size) {
    constexpr int height = 30;
    const int width = toolbarWidth(lettering, text, size);
    Canvas c(width, height);
    const Rect r{2, 2, width - 4.0f, height - 5.0f};
    drawButtonBody(c, r, r.h / 2, Look::normal);
    drawIcon(c, icon, r.x + 6 + 7.5f, r.cy(), 15);
    drawButtonLabel(c, lettering, text, size, r.x + 6 + 15 + 5 + lettering.width(text, size) / 2.0f, r.cy(),
                    Look::normal);
    return c;
}

// The window-mode switch: a lit track with the knob on the right ("ON"), or a grey one with the knob
// on the left ("OFF").
Canvas toggle(Lettering& lettering, bool on) {
    constexpr int width = 64, height = 28;
    Canvas c(width, height);
    const Rect r{2, 2, width - 4.0f, height - 5.0f};
    const Look look = on ? Look::normal : Look::off;
    drawButtonBody(c, r, r.h / 2, look);
    const float knobX = on ? r.x + r.w - r.h / 2 : r.x + r.h / 2;
    const float kr = r.h / 2 - 2.5f;
    Canvas shadow(width, height);
    shadow.fill([&](float x, float y) { return sdCircle(x, y, knobX, r.cy() + 1.2f, kr); }, hex(0x000000),
                0.5f);
    c.draw(shadow.blurred(1.2f), 0, 0);
    c.fill([&](float x, float y) { return sdCircle(x, y, knobX, r.cy(), kr); },
           [&](float x, float y) {
               return Ink{mix(hex(0xffffff), hex(0xc9d6dc),
                              clamp01((y - r.cy() + kr) / (2 * kr) + (x - knobX) / (6 * kr))),
                          1};
           });
    const float textX = on ? r.x + (r.w - r.h) / 2 + 2 : r.x + r.h + (r.w - r.h) / 2 - 2;
    drawButtonLabel(c, lettering, on ? "ON" : "OFF", 12, textX, r.cy(), look);
    return c;
}

// One point of a volume scale: a warm gem when lit, an empty socket when not.
Canvas point(bool lit) {
    constexpr int size = 20;
    Canvas c(size, size);
    const float cx = size / 2.0f, cy = size / 2.0f;
    if (lit) {
        Canvas glow(size, size);
        glow.fill([&](float x, float y) { return sdCircle(x, y, cx, cy, 8.5f); }, hex(0xffc35a), 1);
        c.draw(glow.blurred(1.6f), 0, 0, 0.7f);
        c.fill([&](float x, float y) { return sdCircle(x, y, cx, cy, 7.5f); }, hex(0x9a4a12));
        c.fill([&](float x, float y) { return sdCircle(x, y, cx, cy, 6.4f); },
               [&](float x, float y) {
                   const float d = std::hypot(x - (cx - 2.2f), y - (cy - 2.4f)) / 9;
                   return Ink{mix(hex(0xfff4c0), hex(0xe9781e), clamp01(d)), 1};
               });
        c.fill([&](float x, float y) { return sdEllipse(x, y, cx - 2, cy - 3, 2.6f, 1.6f); }, Colour{1, 1, 1},
               0.75f);
    } else {
        c.fill([&](float x, float y) { return sdCircle(x, y, cx, cy, 7.0f); }, hex(0x9fe0da), 0.7f);
        c.fill([&](float x, float y) { return sdCircle(x, y, cx, cy, 5.8f); },
               [&](float, float y) {
                   return Ink{mix(hex(0x07141d), hex(0x1c3c4c), (y - cy + 6) / 12), 0.9f};
               });
    }
    return c;
}

} // namespace

void makeButtons(DataTree& tree, Lettering& lettering) {
    struct MenuButton {
        const char* file;
        const char* label;
    };
    const MenuButton menu[] = {{"p_play", "Play"},
                               {"p_options", "Options"},
                               {"p_credits", "Credits"},
                               {"p_more", "More games"},
                               {"p_quit", "Quit"}};
    for (const MenuButton& b : menu) {
        tree.savePng(std::string("gfx/gui/") + b.file + ".png",
                     buttonStrip(lettering, menuWidth, menuHeight, b.label, 18), origin);
        tree.savePng(std::string("gfx/gui/") + b.file + "02.png",
                     buttonImage(lettering, menuWidth, menuHeight, b.label, 18, Look::highlight), origin);
    }
    tree.savePng("gfx/gui/p_cancel.png", buttonStrip(lettering, 70, 30, "Cancel", 14), origin);
    tree.savePng("gfx/gui/ustawienia/ok.png", buttonStrip(lettering, 40, 30, "OK", 14), origin);
    tree.savePng("gfx/gui/ustawienia/plus.png", iconStrip(Icon::plus, 30), origin);
    tree.savePng("gfx/gui/ustawienia/minus.png", iconStrip(Icon::minus, 30), origin);
    tree.savePng("gfx/gui/go_to.png", buttonStrip(lettering, 300, 40, "Visit our home page", 18), origin);

    tree.savePng("gfx/gui/ustawienia/on.png", toggle(lettering, true), origin);
    tree.savePng("gfx/gui/ustawienia/off.png", toggle(lettering, false), origin);
    tree.savePng("gfx/gui/ustawienia/pointOn.png", point(true), origin);
    tree.savePng("gfx/gui/ustawienia/pointoff.png", point(false), origin);

    tree.savePng("gfx/gui/quit.png", buttonImage(lettering, 80, 30, "Quit", 14, Look::normal), origin);

    // The toolbar sits at y = 5 with its buttons at these x; each slot ends 6 px before the next
    // button, and the last leaves the top-right corner to the clock. All labels share one size,
    // the largest that fits every slot.
    struct ToolbarButton {
        const char* file;
        Icon icon;
        const char* label;
        int x, slot;
    };
    const ToolbarButton toolbar[] = {
        {"b_main_menu", Icon::house, "Main menu", 10, 114}, {"b_get_hint", Icon::bulb, "Hint", 130, 94},
        {"b_sort_up", Icon::piece, "Sort up", 230, 94},     {"b_clean_up", Icon::tidy, "Clean up", 330, 104},
        {"b_ghost_image", Icon::eye, "Ghost", 440, 125},    {"b_options", Icon::gear, "Options", 575, 115}};
    int size = 14;
    for (const ToolbarButton& b : toolbar) {
        while (size > 10 && toolbarWidth(lettering, b.label, size) > b.slot) --size;
    }
    for (const ToolbarButton& b : toolbar) {
        if (toolbarWidth(lettering, b.label, size) > b.slot)
            throw std::runtime_error(std::string("toolbar label too wide: ") + b.label);
        tree.savePng(std::string("gfx/") + b.file + ".png", toolbarButton(lettering, b.icon, b.label, size),
                     origin);
    }
}

} // namespace datagen
