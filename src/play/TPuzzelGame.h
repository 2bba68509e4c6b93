// The puzzle board. For now it holds the pieces and answers the piece's questions (hover order,
// picking up, the list of all pieces, sparks); the play loop, snapping and the end sequence join it.
#pragma once

#include "cutting/TPieceHost.h"
#include "cutting/TPuzel.h"

#include <memory>
#include <vector>

class TPuzzelGame : public TPieceHost {
  public:
    // The loose pieces in drawing order: first drawn first, last on top.
    std::vector<TPuzelPtr> boardItems;
    // Every piece of the puzzle in the cutter's creation order.
    std::vector<TPuzelPtr> allPieces;
    // What the player carries.
    TPuzelPtr held;
    int pickTime = 0;
    int dragMode = 0;

    TPuzzelGame();
    ~TPuzzelGame() override;
    TPuzzelGame(const TPuzzelGame&) = delete;
    TPuzzelGame& operator=(const TPuzzelGame&) = delete;

    void setup() {}
    int moznaOver(const TPuzel& piece) override;
    void setPuzzel(const TPuzelPtr& piece) override;
    const std::vector<TPuzelPtr>& allPieceList() const override { return allPieces; }
    void spark(int imageSlot, int x, int y, float scale, int life, int red, int green, int blue,
               int blendKind, int spare, float vx, float vy) override;
};

extern std::shared_ptr<TPuzzelGame> puzzelGame;
