// The cut-line generator (being built).
#include "cutting/TKreatorKlockow.h"

std::shared_ptr<TKreatorKlockow> kreatorKlockow;
