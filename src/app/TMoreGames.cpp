// The more-games screen (being built).
#include "app/TMoreGames.h"

std::shared_ptr<TMoreGames> moreGamesWindow;
