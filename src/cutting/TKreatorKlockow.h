// The cut-line generator (being built).
#pragma once

#include <memory>

class TKreatorKlockow {
public:
    int style = 0;
};

extern std::shared_ptr<TKreatorKlockow> kreatorKlockow;
