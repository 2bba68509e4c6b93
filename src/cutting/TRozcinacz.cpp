// The cutter (being built).
#include "cutting/TRozcinacz.h"

std::shared_ptr<TRozcinacz> rozcinacz;
