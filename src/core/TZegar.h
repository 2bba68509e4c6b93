// The animated clock shown while a picture is cut: ten frames of a turning puzzle piece, one frame
// every 600 ms of real time whatever the frame rate.
#pragma once

#include "platform/Image.h"

#include <array>
#include <memory>

class TZegar {
  public:
    int x = 0;
    int y = 0;
    int frame = 0;
    int nextTick = 0;

    // The ten frames, shared by every clock, each with its handle at its centre.
    static std::array<platform::ImagePtr, 10> img;
    static void setup();

    void draw() const;
    void start();
    // Advances one frame once the tick is due; a long pause still advances by one frame only.
    void update();
};

std::shared_ptr<TZegar> stworzZegar(int x, int y);
extern std::shared_ptr<TZegar> zegar;
