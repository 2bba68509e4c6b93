// A screen's buttons as one group: drawn together and polled once per frame for the code of the
// button clicked in that frame.
#pragma once

#include "gui/TButton.h"

#include <vector>

class TMenu {
  public:
    std::vector<TButtonPtr> items; // in the order added; earlier buttons win where they overlap
    int lastCode = 0;              // the last non-zero code State returned
    bool enabled = true;
    bool visible = true;

    void AddItem(TButtonPtr button);
    // The first button with this code, or null.
    TButtonPtr GetItem(int code) const;
    // Draws every button and leaves the global alpha at 1.
    void Draw(float alpha);
    void setstate(int enabled, int visible);
    // The code of the button clicked in this frame, or 0; buttons after it are not polled.
    int State();
};

using TMenuPtr = std::shared_ptr<TMenu>;
