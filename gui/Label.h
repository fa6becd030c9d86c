// A text label without a window, painted by its parent; it can size itself to its caption.
#pragma once

#include "gui/Control.h"

namespace zelkova {

class Label : public Control {
public:
    explicit Label(Component* owner);

    std::string_view ClassName() const override { return "TLabel"; }
    const PropertyTable& PublishedProperties() const override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { SetText(std::move(caption)); }
    std::string Text() const override { return caption_; }
    void SetText(std::string text) override;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

    void Paint(Canvas& canvas) override;

protected:
    void FontChanged() override;
    void TextChanged() override;
    // The size the caption needs with the current font.
    void AdjustBounds();
    UINT DrawFlags() const;

private:
    std::string caption_;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
};

}  // namespace zelkova
