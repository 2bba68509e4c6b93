// The picture-set selection screen (being built).
#pragma once

#include <memory>

class TWyborZestawu {
  public:
    void setup() {}
};

extern std::shared_ptr<TWyborZestawu> wyborZestawu;
