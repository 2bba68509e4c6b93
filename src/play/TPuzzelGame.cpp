// The puzzle board (being built).
#include "play/TPuzzelGame.h"

std::shared_ptr<TPuzzelGame> puzzelGame;
