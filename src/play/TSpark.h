// Short-lived additive particles: emitted on snaps, along automatic flights and on the credits, kept
// in one global list that every screen showing them moves and draws once per frame.
#pragma once

#include "platform/Image.h"

#include <array>
#include <list>
#include <memory>
#include <string>

class TSpark {
  public:
    float x = 0;
    float y = 0;
    int red = 255;
    int green = 255;
    int blue = 255;
    float scale = 1;
    float life = 0;
    float lifeTotal = 0;
    int spare = 0; // kept from Create; drawing does not depend on it
    float vx = 0;
    float vy = 0;
    platform::ImagePtr image;
    // 1 additive blending, 2 alpha blending, anything else keeps the blend mode in force.
    int blendKind = 0;

    // A new spark; it joins the list only on frames that are not slow (see the source).
    static std::shared_ptr<TSpark> Create(const platform::ImagePtr& image, int x, int y, float scale,
                                          int life, int red, int green, int blue, int blendKind, int spare);
    void setVelocity(float vx, float vy);
    void Destroy();
    // Moves, draws and ages every spark, removing the spent ones.
    static void UpdateAll();
};

using TSparkPtr = std::shared_ptr<TSpark>;

extern std::list<TSparkPtr> SparkList;
// Slots 0..2 hold the three particle images; 3 and 4 stay empty.
extern std::array<platform::ImagePtr, 5> sparkImages;

void loadSparks();
void loadSparkImage(int slot, const std::string& path);
