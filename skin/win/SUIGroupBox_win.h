// The skinned group box: a one-pixel frame in the style's border colour, with an optional
// caption set into the top edge, around child controls to which it hands its style. Built on
// the skinned panel, whose transparent paint shows the parent's background.
#pragma once

#include <string>

#include "gui/Panel.h"
#include "skin/win/SUIControlStyle_win.h"

namespace zelkova {

class TsuiCustomPanel : public Panel {
public:
    explicit TsuiCustomPanel(Component* owner);
    ~TsuiCustomPanel() override;

    std::string_view ClassName() const override { return "TsuiCustomPanel"; }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    // The parent's background (and the trimmed window text, when there is any), composed off
    // screen and copied to the canvas.
    void Paint(Canvas& canvas) override;

protected:
    bool EraseBackground(HDC) override { return true; }
    void Resized() override { Repaint(); }

private:
    bool transparent_ = false;
};

class TsuiCustomGroupBox : public TsuiCustomPanel, public ThemedControl, public FileThemeHolder {
public:
    explicit TsuiCustomGroupBox(Component* owner);

    std::string_view ClassName() const override { return "TsuiCustomGroupBox"; }
    const PropertyTable& PublishedProperties() const override;

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    // Drawn into the top edge; independent of the window text (which stays one blank).
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    FileThemeComponent* FileTheme() const override { return fileTheme_; }
    void SetFileTheme(FileThemeComponent* theme);
    TsuiUIStyle UIStyle() const override { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);

    // Children with an alignment go within the frame, below the caption line.
    Rect AdjustClientRect() const override;
    void Paint(Canvas& canvas) override;

protected:
    // Hands the style to the skinned children, then takes the border and caption colours.
    virtual void ApplyUIStyle(TsuiUIStyle style, FileThemeComponent* fileTheme);
    void FontChanged() override;
    void TextChanged() override { Repaint(); }
    void Notification(Component* component, Operation operation) override;

private:
    TColor borderColor_ = kBlack;
    std::string caption_;
    FileThemeComponent* fileTheme_ = nullptr;
    TsuiUIStyle uiStyle_ = kFallbackUIStyle;
};

class TsuiGroupBox : public TsuiCustomGroupBox {
public:
    explicit TsuiGroupBox(Component* owner) : TsuiCustomGroupBox(owner) {}

    std::string_view ClassName() const override { return "TsuiGroupBox"; }
    const PropertyTable& PublishedProperties() const override;
};

// Whether the platform runs with a Middle-Eastern (right-to-left) locale.
bool IsMiddleEastLocale();

}  // namespace zelkova
