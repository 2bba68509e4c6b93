// The more-games screen (being built).
#pragma once

#include <memory>

class TMoreGames {
  public:
    void setup() {}
    void start() {}
};

extern std::shared_ptr<TMoreGames> moreGamesWindow;
