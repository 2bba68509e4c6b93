// The animated clock (being built).
#pragma once

#include "platform/Image.h"

#include <array>
#include <memory>

class TZegar {
  public:
    static std::array<platform::ImagePtr, 10> img;
    static void setup() {}
};

std::shared_ptr<TZegar> stworzZegar(int x, int y);
extern std::shared_ptr<TZegar> zegar;
