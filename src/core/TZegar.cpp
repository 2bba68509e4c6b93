// The animated clock (being built).
#include "core/TZegar.h"

std::array<platform::ImagePtr, 10> TZegar::img;
std::shared_ptr<TZegar> zegar;

std::shared_ptr<TZegar> stworzZegar(int, int) {
    return std::make_shared<TZegar>();
}
