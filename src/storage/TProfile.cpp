// The saved game in memory (being built).
#include "storage/TProfile.h"

std::shared_ptr<TProfile> profile;
