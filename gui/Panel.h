// Windowed containers: a panel (background, optional bevels and caption) and a plain group box
// (an etched frame with a caption at the top).
#pragma once

#include "gui/WinControl.h"

namespace zelkova {

enum class Bevel : std::uint8_t { None, Lowered, Raised };

class Panel : public WinControl {
public:
    explicit Panel(Component* owner);

    std::string_view ClassName() const override { return "TPanel"; }
    const PropertyTable& PublishedProperties() const override;

    void SetBevelOuter(Bevel bevel);
    void SetBevelInner(Bevel bevel);
    void SetCaption(std::string caption) { SetText(std::move(caption)); }

    void Paint(Canvas& canvas) override;

protected:
    void CreateParams(struct CreateParams& params) override;

private:
    Bevel bevelOuter_ = Bevel::Raised;
    Bevel bevelInner_ = Bevel::None;
};

class GroupBox : public WinControl {
public:
    explicit GroupBox(Component* owner);

    std::string_view ClassName() const override { return "TGroupBox"; }
    const PropertyTable& PublishedProperties() const override;

    void SetCaption(std::string caption) { SetText(std::move(caption)); }
    Rect AdjustClientRect() const override;
    void Paint(Canvas& canvas) override;

protected:
    void CreateParams(struct CreateParams& params) override;
};

template <>
struct EnumNames<Bevel> {
    static constexpr const char* kNames[] = {"bvNone", "bvLowered", "bvRaised"};
};

}  // namespace zelkova
