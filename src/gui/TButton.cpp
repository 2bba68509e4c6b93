// Button state, click reporting, growth and the three drawing layers.
#include "gui/TButton.h"

#include "core/TMouse.h"
#include "platform/Draw.h"

#include <algorithm>

namespace {

// The look state `state` shows, given which of the six looks exist: its own, else (when disabled) the
// disabled one, else the normal one. -1 before the first poll, when nothing is drawn.
template <class HasLook> int lookFor(int state, HasLook has) {
    switch (state) {
    case TButton::stateOut:
        return TButton::lookNormal;
    case TButton::stateOver:
        return has(TButton::lookOver) ? TButton::lookOver : TButton::lookNormal;
    case TButton::statePressed:
        return has(TButton::lookPressed) ? TButton::lookPressed : TButton::lookNormal;
    case TButton::stateDisabledOut:
        return has(TButton::lookDisabled) ? TButton::lookDisabled : TButton::lookNormal;
    case TButton::stateDisabledOver:
        if (has(TButton::lookDisabledOver)) return TButton::lookDisabledOver;
        return has(TButton::lookDisabled) ? TButton::lookDisabled : TButton::lookNormal;
    case TButton::stateDisabledPressed:
        if (has(TButton::lookDisabledPressed)) return TButton::lookDisabledPressed;
        return has(TButton::lookDisabled) ? TButton::lookDisabled : TButton::lookNormal;
    default:
        return -1;
    }
}

// The strip frame for `state`: the state's own entry when the list has it, else the disabled entry,
// else the first. -1 when there is nothing to draw (no entries, or never polled). A strip too short
// for the disabled entry shows its normal look when disabled.
int frameFor(const std::vector<int>& frames, int state) {
    const int slot = lookFor(state, [&](int look) { return static_cast<size_t>(look) < frames.size(); });
    if (slot < 0 || frames.empty()) return -1;
    return frames[static_cast<size_t>(slot)];
}

int lookForGraphics(const std::array<TGraphic, 6>& looks, int state) {
    return lookFor(state, [&](int look) { return !isEmpty(looks[static_cast<size_t>(look)]); });
}

// Each layer leaves the drawing state as it found it.
class SavedAlphaAndScale {
  public:
    SavedAlphaAndScale()
        : alpha_(platform::getAlpha()), scaleX_(platform::getScaleX()), scaleY_(platform::getScaleY()) {}
    ~SavedAlphaAndScale() {
        platform::setAlpha(alpha_);
        platform::setScale(scaleX_, scaleY_);
    }
    SavedAlphaAndScale(const SavedAlphaAndScale&) = delete;
    SavedAlphaAndScale& operator=(const SavedAlphaAndScale&) = delete;

  private:
    float alpha_, scaleX_, scaleY_;
};

float highlighterAlpha(float scale) {
    return 0.25f * (scale - 1.0f) / 0.14f;
}

// One layer: frame `frame` of `look` at the rectangle with this alpha and scale; nothing for frame -1.
void drawLayer(const TGraphic& look, int frame, const TDimPtr& dim, float alpha, float scaleX, float scaleY) {
    if (frame < 0) return;
    SavedAlphaAndScale saved;
    platform::setAlpha(alpha);
    platform::setScale(scaleX, scaleY);
    MultiDraw(look, dim, frame);
}

} // namespace

void TButton::_setDimScale(float s) {
    if (!dim) return;
    dim->scaleX = s;
    dim->scaleY = s;
}

void TButton::_drawHighLighter() {
    const int look = lookForGraphics(highlightImages, state);
    if (look >= 0) {
        drawLayer(highlightImages[static_cast<size_t>(look)], 0, dim, highlighterAlpha(scale), 1.0f, 0.7f);
    }
}

void TButton::_drawAnimHighLighter() {
    drawLayer(highlightImage, frameFor(highlightFrames, state), dim, highlighterAlpha(scale), 1.0f, 0.7f);
}

void TButton::_drawImage() {
    if (!dim) return;
    const int look = lookForGraphics(stateImages, state);
    if (look >= 0) drawLayer(stateImages[static_cast<size_t>(look)], 0, dim, alpha, dim->scaleX, dim->scaleY);
}

void TButton::_drawAnimImage() {
    if (!dim) return;
    drawLayer(animImage, frameFor(frames, state), dim, alpha, dim->scaleX, dim->scaleY);
}

void TButton::_drawText() {
    SavedAlphaAndScale saved;
    const int look = lookFor(state, [&](int l) { return stateTexts[static_cast<size_t>(l)] != nullptr; });
    if (look >= 0) MultiDraw(stateTexts[static_cast<size_t>(look)]);
}

void TButton::_drawLayers() {
    if (showHighlight) {
        if (animHighlight) {
            _drawAnimHighLighter();
        } else {
            _drawHighLighter();
        }
    }
    if (showImage) {
        if (useAnimImage) {
            _drawAnimImage();
        } else {
            _drawImage();
        }
    }
    if (showText) _drawText();
}

void TButton::_drawOnOver() {
    if (growOnOver) {
        float grown = maxScale;
        if (animateGrowth) {
            scale = std::min(scale + growStep, maxScale);
            grown = scale;
        }
        platform::setScale(grown, grown);
        _setDimScale(grown);
    }
    _drawLayers();
    platform::setScale(1, 1);
    _setDimScale(1);
}

void TButton::_drawOnOut() {
    if (growOnOver) {
        if (animateGrowth) {
            // Drawn at the current size first, so the shrinking starts from the size last shown.
            platform::setScale(scale, scale);
            _setDimScale(scale);
            if (scale > 1) scale -= growStep;
            if (scale < 1) scale = 1;
        } else {
            platform::setScale(1, 1);
            _setDimScale(1);
        }
    }
    _drawLayers();
    if (growOnOver) {
        platform::setScale(1, 1);
        _setDimScale(1);
    }
}

// The rectangle is at scale 1 here (every other step leaves it so): a pressed button shows unscaled.
void TButton::_drawOnPress() {
    _drawLayers();
}

int TButton::GetState() const {
    switch (state) {
    case stateOver:
    case stateDisabledOver:
        return 1;
    case statePressed:
    case stateDisabledPressed:
        return 2;
    default:
        return 0;
    }
}

void TButton::OnOver() {}

// A click nobody took is dropped once the mouse leaves, so it cannot fire later.
void TButton::OnOut() {
    clicked = false;
}

void TButton::OnClick() {
    clicked = true;
}

bool TButton::isClicked() {
    const bool was = clicked;
    clicked = false;
    return was;
}

void TButton::SetState(int enabledFlag, int visibleFlag) {
    enabled = enabledFlag != 0;
    visible = visibleFlag != 0;
}

void TButton::Draw() {
    const float remembered = platform::getAlpha();
    if (!visible) return;
    platform::setAlpha(alpha);
    if (!mouseOver) {
        _drawOnOut();
    } else if (held) {
        _drawOnPress();
    } else {
        _drawOnOver();
    }
    platform::setAlpha(remembered);
}

int TButton::State() {
    held = false;
    if (!visible || !dim || !mouse) return 0;
    if (!dim->InXY(static_cast<float>(mouse->x), static_cast<float>(mouse->y))) {
        if (mouseOver) OnOut();
        state = enabled ? stateOut : stateDisabledOut;
        mouseOver = false;
        return 0;
    }
    if (!mouseOver) OnOver();
    state = enabled ? stateOver : stateDisabledOver;
    mouseOver = true;
    if (mouse->leftDown || mouse->leftHit) {
        state = enabled ? statePressed : stateDisabledPressed;
        if (mouse->leftDown) held = true;
    }
    if (mouse->leftHit) {
        OnClick();
        return id;
    }
    return 0;
}
