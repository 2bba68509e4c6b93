// The one place where a piece reaches up to the board that holds it: the hover test against pieces
// drawn above, picking up, the board's list of all pieces and the sparks of a flight. The board
// registers itself here; without a board a piece behaves as if it lay alone.
#pragma once

#include <memory>
#include <vector>

class TPuzel;

class TPieceHost {
  public:
    virtual ~TPieceHost() = default;
    // 1 when no other piece drawn above `piece` lies under the mouse.
    virtual int moznaOver(const TPuzel& piece) = 0;
    // Makes the piece the carried item.
    virtual void setPuzzel(const std::shared_ptr<TPuzel>& piece) = 0;
    // Every piece of the puzzle, loose or grouped.
    virtual const std::vector<std::shared_ptr<TPuzel>>& allPieceList() const = 0;
    // One spark (image slot, top-left position, scale, frames of life, colour, blend kind, spare
    // value and velocity per frame).
    virtual void spark(int imageSlot, int x, int y, float scale, int life, int red, int green, int blue,
                       int blendKind, int spare, float vx, float vy) = 0;
};

// Not owning: the board sets it when it is made and clears it when it goes.
extern TPieceHost* pieceHost;
