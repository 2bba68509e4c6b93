// One image button: its state from the mouse, the click it reports, the grow-on-hover animation and
// the look it shows in each state, drawn in three layers (highlighter, image, text).
#pragma once

#include "gui/MultiDraw.h"
#include "gui/TDim.h"
#include "gui/TTextItem.h"
#include "platform/Image.h"

#include <array>
#include <memory>
#include <vector>

class TButton {
  public:
    // State codes: 1x enabled, 2x disabled; x1 mouse away, x2 over, x3 pressed. 0 until first polled.
    static constexpr int stateOut = 11, stateOver = 12, statePressed = 13;
    static constexpr int stateDisabledOut = 21, stateDisabledOver = 22, stateDisabledPressed = 23;
    // Slots of the six-look arrays.
    enum Look { lookNormal, lookOver, lookPressed, lookDisabled, lookDisabledOver, lookDisabledPressed };
    static constexpr float growStep = 0.02f; // per drawn frame, not per unit of delta
    static constexpr float maxScale = 1.14f;

    int state = 0;
    float alpha = 1.0f;
    std::vector<int> frames;          // frame of animImage per state, for a strip button
    std::vector<int> highlightFrames; // the same for highlightImage
    TDimPtr dim;
    platform::ImagePtr highlightImage;
    int id = 0;
    platform::ImagePtr animImage;
    float scale = 1.0f;
    bool animHighlight = false;
    bool framesSideBySide = true;
    bool useAnimImage = false;
    int spare = 0; // kept from CreateSimpleButton, read by nothing
    bool growOnOver = false;
    bool animateGrowth = false;
    bool showHighlight = false;
    bool showImage = true;
    bool showText = false;
    std::array<TGraphic, 6> stateImages;
    std::array<TTextItemPtr, 6> stateTexts;
    std::array<TGraphic, 6> highlightImages;
    bool clicked = false;
    bool enabled = true;
    bool held = false;
    bool mouseOver = false;
    bool visible = true;

    virtual ~TButton() = default;

    virtual void _drawHighLighter();
    virtual void _drawAnimHighLighter();
    virtual void _drawImage();
    virtual void _drawAnimImage();
    virtual void _drawText();
    virtual void _drawOnOver();
    virtual void _drawOnOut();
    virtual void _drawOnPress();
    // 0 away, 1 over, 2 pressed, whether enabled or not.
    int GetState() const;
    virtual void OnOver();
    virtual void OnOut();
    virtual void OnClick();
    // Takes the click: true once per click.
    bool isClicked();
    bool isHolded() const { return held; }
    void SetState(int enabled, int visible);
    void Draw();
    // Reads the global mouse; returns id in the frame of a press over the button, else 0.
    int State();

  private:
    void _drawLayers();
    void _setDimScale(float s);
};

using TButtonPtr = std::shared_ptr<TButton>;
