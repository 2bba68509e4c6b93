// The saved game in memory (being built).
#pragma once

#include <memory>

class TProfile {};

extern std::shared_ptr<TProfile> profile;
