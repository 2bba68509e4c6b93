// The registered board.
#include "cutting/TPieceHost.h"

TPieceHost* pieceHost = nullptr;
