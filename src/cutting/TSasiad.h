// A one-way link from a piece to a neighbouring piece, with where the neighbour belongs relative to it.
#pragma once

#include <memory>

class TPuzel;

class TSasiad {
  public:
    // Weak, so that two neighbours linking each other do not keep each other alive after the board
    // lets go of them; the board's list of all pieces owns every piece.
    std::weak_ptr<TPuzel> piece;
    float distance = 0;
    int dx = 0;
    int dy = 0;
    // +1 when the neighbour lies left of (above) the owner, -1 right of (below), 0 level with it.
    int signX = 0;
    int signY = 0;
    int fitted = 0;

    std::shared_ptr<TPuzel> puzel() const { return piece.lock(); }

    // The first of owner's links that leads to piece, or null.
    static std::shared_ptr<TSasiad> getByPuzel(const std::shared_ptr<TPuzel>& piece,
                                               const std::shared_ptr<TPuzel>& owner);
};

using TSasiadPtr = std::shared_ptr<TSasiad>;
