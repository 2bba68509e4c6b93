// The puzzle board (being built).
#pragma once

#include <memory>

class TPuzzelGame {
public:
    void setup() {}
};

extern std::shared_ptr<TPuzzelGame> puzzelGame;
