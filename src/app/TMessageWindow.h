// The modal message window (being built).
#pragma once

#include <memory>

class TMessageWindow {
  public:
    void setup() {}
};

extern std::shared_ptr<TMessageWindow> messageWindow;
