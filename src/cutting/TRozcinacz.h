// The cutter (being built).
#pragma once

#include <memory>

class TRozcinacz {};

extern std::shared_ptr<TRozcinacz> rozcinacz;
