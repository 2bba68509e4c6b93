// Spark creation, movement and drawing.
#include "play/TSpark.h"

#include "core/Messages.h"
#include "core/TDeltaTime.h"
#include "platform/Draw.h"

#include <algorithm>

std::list<TSparkPtr> SparkList;
std::array<platform::ImagePtr, 5> sparkImages;

std::shared_ptr<TSpark> TSpark::Create(const platform::ImagePtr& image, int x, int y, float scale, int life,
                                       int red, int green, int blue, int blendKind, int spare) {
    auto spark = std::make_shared<TSpark>();
    spark->image = image;
    spark->x = static_cast<float>(x);
    spark->y = static_cast<float>(y);
    spark->scale = scale;
    spark->life = static_cast<float>(life);
    spark->lifeTotal = static_cast<float>(life);
    spark->red = red;
    spark->green = green;
    spark->blue = blue;
    spark->blendKind = blendKind;
    spark->spare = spare;
    // Sparks thin out on slow frames instead of piling up: shorter lives, or none shown at all.
    if (delta <= 1.0f) {
        SparkList.push_back(spark);
    } else if (delta < 2.0f) {
        spark->life /= 2.0f;
        spark->lifeTotal /= 2.0f;
        SparkList.push_back(spark);
    }
    return spark;
}

void TSpark::setVelocity(float newVx, float newVy) {
    vx = newVx;
    vy = newVy;
}

void TSpark::Destroy() {
    SparkList.remove_if([this](const TSparkPtr& s) { return s.get() == this; });
}

void TSpark::UpdateAll() {
    for (auto it = SparkList.begin(); it != SparkList.end();) {
        TSpark& s = **it;
        s.x += s.vx;
        s.y += s.vy;
        if (s.blendKind == 1) {
            platform::setBlend(platform::blendAdditive);
        } else if (s.blendKind == 2) {
            platform::setBlend(platform::blendAlpha);
        }
        // Fully faded with a fifth of its life still left.
        platform::setAlpha(s.lifeTotal > 0 ? s.life / s.lifeTotal - 0.2f : 0.0f);
        platform::setColour(s.red, s.green, s.blue);
        platform::setScale(s.scale, s.scale);
        platform::drawImage(s.image, s.x, s.y);
        s.life -= 1;
        if (s.life < 1) {
            it = SparkList.erase(it); // what Destroy does, without searching the list again
        } else {
            ++it;
        }
    }
}

void loadSparkImage(int slot, const std::string& path) {
    if (slot < 0 || slot >= static_cast<int>(sparkImages.size())) return;
    sparkImages[slot] = platform::Image::load(path);
    if (!sparkImages[slot]) tellCannotLoadImage(path);
}

void loadSparks() {
    loadSparkImage(0, "gfx/particle/1.png");
    loadSparkImage(1, "gfx/particle/2.png");
    loadSparkImage(2, "gfx/particle/3.png");
}
