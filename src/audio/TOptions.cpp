// The options record.
#include "audio/TOptions.h"

std::shared_ptr<TOptions> options;
