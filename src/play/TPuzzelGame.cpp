// The board's answers to its pieces.
#include "play/TPuzzelGame.h"

#include "core/TMouse.h"
#include "platform/System.h"
#include "play/TSpark.h"

std::shared_ptr<TPuzzelGame> puzzelGame;

TPuzzelGame::TPuzzelGame() {
    pieceHost = this;
}

TPuzzelGame::~TPuzzelGame() {
    if (pieceHost == this) pieceHost = nullptr;
}

int TPuzzelGame::moznaOver(const TPuzel& piece) {
    if (!mouse) return 1;
    const float mx = static_cast<float>(mouse->x), my = static_cast<float>(mouse->y);
    for (const auto& q : boardItems) {
        if (q && q->drawOrder > piece.drawOrder && q->covers(mx, my)) return 0;
    }
    return 1;
}

void TPuzzelGame::setPuzzel(const TPuzelPtr& piece) {
    held = piece;
    pickTime = platform::millisecs();
    dragMode = 0;
}

void TPuzzelGame::spark(int imageSlot, int x, int y, float scale, int life, int red, int green, int blue,
                        int blendKind, int spare, float vx, float vy) {
    const platform::ImagePtr image =
        imageSlot >= 0 && imageSlot < static_cast<int>(sparkImages.size()) ? sparkImages[imageSlot] : nullptr;
    TSpark::Create(image, x, y, scale, life, red, green, blue, blendKind, spare)->setVelocity(vx, vy);
}
