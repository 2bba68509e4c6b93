// The credits screen (being built).
#pragma once

#include <memory>

class TCredits {
  public:
    void setup() {}
};

extern std::shared_ptr<TCredits> autorzy;
