// A piece of text for a button's text layer: it knows where it stands and how big it is, and draws
// itself there.
#pragma once

#include <memory>

class TTextItem {
  public:
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;

    virtual ~TTextItem() = default;
    virtual void Draw() = 0;
};

using TTextItemPtr = std::shared_ptr<TTextItem>;
