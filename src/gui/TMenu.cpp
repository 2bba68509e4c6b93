// Button menus.
#include "gui/TMenu.h"

#include "platform/Draw.h"

void TMenu::AddItem(TButtonPtr button) {
    items.push_back(std::move(button));
}

TButtonPtr TMenu::GetItem(int code) const {
    for (const auto& button : items) {
        if (button && button->id == code) return button;
    }
    return nullptr;
}

void TMenu::Draw(float alpha) {
    if (!visible) return;
    platform::setAlpha(alpha);
    for (const auto& button : items) {
        if (button) button->Draw();
    }
    platform::setAlpha(1);
}

void TMenu::setstate(int enabledFlag, int visibleFlag) {
    enabled = enabledFlag != 0;
    visible = visibleFlag != 0;
}

int TMenu::State() {
    if (!visible || !enabled) return 0;
    for (const auto& button : items) {
        if (!button) continue;
        if (const int code = button->State()) {
            lastCode = code;
            return code;
        }
    }
    return 0;
}
