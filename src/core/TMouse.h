// The mouse as the game sees it in one frame, and the game's own cursor drawn over everything.
#pragma once

#include "platform/Image.h"

#include <memory>
#include <string>

class TMouse {
  public:
    int x = 0;
    int y = 0;
    bool leftHit = false;  // pressed at least once since the previous fetchState
    bool leftDown = false; // held now
    platform::ImagePtr cursorImage;

    virtual ~TMouse() = default;
    void loadCursor(const std::string& path, int handleX, int handleY);
    void Draw();
    // Polls the pointer and the left button; once per frame, since it consumes the hits.
    void fetchState();
    void Clear();
};

// The game's mouse; its per-frame hook has nothing to do.
class TPuzzelMouse : public TMouse {
  public:
    void update() {}
};

extern std::shared_ptr<TPuzzelMouse> mouse;
