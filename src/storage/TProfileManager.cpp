// Saved-game files (being built).
#include "storage/TProfileManager.h"

std::shared_ptr<TProfileManager> profileManager;
