// The credits screen (being built).
#include "app/TCredits.h"

std::shared_ptr<TCredits> autorzy;
