// Saved-game files (being built: the writer of the saved game comes with the saved-game work).
#pragma once

#include <memory>

class TProfileManager {
  public:
    void setup() {}
};

extern std::shared_ptr<TProfileManager> profileManager;
