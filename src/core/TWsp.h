// A small record of two integers and a value: grid corners, piece sizes and edge pixels.
#pragma once

#include <memory>

class TWsp {
  public:
    int x = 0;
    int y = 0;
    int value = 0;

    TWsp() = default;
    TWsp(int x, int y, int value) : x(x), y(y), value(value) {}
    static std::shared_ptr<TWsp> Create(int x, int y, int value) {
        return std::make_shared<TWsp>(x, y, value);
    }
};
