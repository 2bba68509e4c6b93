// The modal message window (being built).
#include "app/TMessageWindow.h"

std::shared_ptr<TMessageWindow> messageWindow;
