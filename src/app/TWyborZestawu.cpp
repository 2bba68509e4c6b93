// The picture-set selection screen (being built).
#include "app/TWyborZestawu.h"

std::shared_ptr<TWyborZestawu> wyborZestawu;
