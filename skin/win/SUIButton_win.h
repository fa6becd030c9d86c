// The skinned push button. TsuiCustomButton holds the state, the paint pipeline (composed in an
// off-screen buffer, copied in one step) and all mouse, keyboard and focus handling; TsuiButton
// publishes the properties and adds the glyph, the nine-part face, the per-style focus look and
// the style's colours. Only TsuiButton is made.
#pragma once

#include <memory>
#include <string>

#include "gui/Canvas.h"
#include "gui/Gdi.h"
#include "gui/Timer.h"
#include "gui/WinControl.h"
#include "skin/ButtonLayout.h"
#include "skin/win/SUIControlStyle_win.h"

namespace zelkova {

// Answered 1 by every skinned push button; any other window gives its default (0).
inline constexpr UINT WM_ISSKINBUTTON = 0x8000 + 3000;

class TsuiCustomButton : public WinControl, public ThemedControl, public FileThemeHolder {
public:
    explicit TsuiCustomButton(Component* owner);
    ~TsuiCustomButton() override;

    std::string_view ClassName() const override { return "TsuiCustomButton"; }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    TsuiUIStyle UIStyle() const override { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    FileThemeComponent* FileTheme() const override { return fileTheme_; }
    void SetFileTheme(FileThemeComponent* theme);
    int MouseContinuouslyDownInterval() const { return repeatInterval_; }
    void SetMouseContinuouslyDownInterval(int interval) { repeatInterval_ = interval; }
    int FocusedRectMargin() const { return focusedRectMargin_; }
    void SetFocusedRectMargin(int margin);
    void SetEnabled(bool enabled) override;

    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseExit;
    NotifyEvent OnMouseContinuouslyDown;
    void SetOnMouseEnter(NotifyEvent handler) { OnMouseEnter = std::move(handler); }
    void SetOnMouseExit(NotifyEvent handler) { OnMouseExit = std::move(handler); }
    void SetOnMouseContinuouslyDown(NotifyEvent handler) {
        OnMouseContinuouslyDown = std::move(handler);
    }

    // The internal state, readable for tests and derived looks.
    bool MouseOver() const { return mouseOver_; }
    bool Pressed() const { return pressed_; }
    bool Active() const { return active_; }
    bool BoldCaption() const { return boldCaption_; }
    bool FaceTransparent() const { return faceTransparent_; }
    bool HasRepeatTimer() const { return repeatTimer_ != nullptr; }

    // Stores FaceTransparent and repaints.
    void SetFaceTransparent(bool transparent);
    // Sets the parent form's modal result to ModalResult, then runs the handler or action.
    void Click() override;
    void Paint(Canvas& canvas) override;

protected:
    // The button's own operations, in the order derived looks override them.
    virtual void UpdateAutoSize();
    virtual void CaptionChanged() {}
    void FontChanged() override;
    virtual void TransparentChanged();
    void EnabledChanged() override {}
    virtual void UIStyleChanged() {}
    virtual void DrawFace(Canvas& canvas, HBITMAP face);
    virtual void DrawCaption(Canvas& canvas, const std::string& caption);
    virtual void DrawFocus(Canvas& canvas);
    virtual void LoadNormalFace(OwnedBitmap& bitmap) { LoadFaceFrame(teButtonImage, 3, bitmap, 1); }
    virtual void LoadHotFace(OwnedBitmap& bitmap) { LoadFaceFrame(teButtonImage, 3, bitmap, 2); }
    virtual void LoadPressedFace(OwnedBitmap& bitmap) {
        LoadFaceFrame(teButtonImage, 3, bitmap, 3);
    }
    virtual void LoadDisabledFace(OwnedBitmap& bitmap) {
        LoadFaceFrame(teButtonImage, 3, bitmap, 1);
    }

    // One frame of the button image, from the file theme or the built-in table.
    void LoadFaceFrame(int element, int frameCount, OwnedBitmap& bitmap, int frameIndex);
    // The repeat timer's handler.
    void DoMouseContinuouslyDown();
    void SetBoldCaption(bool bold) { boldCaption_ = bold; }
    void SetPressed(bool pressed) { pressed_ = pressed; }

    void CreateParams(struct CreateParams& params) override;
    void HandleCreated() override;
    void MouseDown(const MouseEvent& event) override;
    void MouseMove(Shift shift, Point point) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(KeyEvent& event) override;
    void KeyUp(KeyEvent& event) override;
    bool DialogKey(const DialogKeyEvent& event) override;
    bool DialogChar(const DialogCharEvent& event) override;
    void FocusChanged(Control* focused) override;
    void CancelMode() override;
    void TextChanged() override;
    void FocusIn() override { Repaint(); }
    void FocusOut() override { Repaint(); }
    bool EraseBackground(HDC) override { return true; }
    bool HandleMessage(Message& message) override;
    void ActionChange(Action* sender, bool checkDefaults) override;
    void Notification(Component* component, Operation operation) override;

private:
    void StopRepeat() { repeatTimer_.reset(); }

    bool autoSize_ = false;
    std::string caption_;
    bool cancel_ = false;
    bool default_ = false;
    bool transparent_ = false;
    int modalResult_ = 0;
    TsuiUIStyle uiStyle_ = kFallbackUIStyle;
    FileThemeComponent* fileTheme_ = nullptr;
    bool boldCaption_ = false;
    bool faceTransparent_ = false;
    std::unique_ptr<Timer> repeatTimer_;
    int repeatInterval_ = 100;
    int focusedRectMargin_ = 2;
    bool active_ = false;
    bool mouseOver_ = false;
    bool pressed_ = false;
};

class TsuiButton : public TsuiCustomButton {
public:
    explicit TsuiButton(Component* owner);
    ~TsuiButton() override;

    std::string_view ClassName() const override { return "TsuiButton"; }
    const PropertyTable& PublishedProperties() const override;

    // An empty handle means no glyph.
    HBITMAP Glyph() const { return glyph_.get(); }
    // Copies the given bitmap into the button's own glyph (null clears it).
    void SetGlyph(HBITMAP glyph);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    // Where the caption went in the last paint with a glyph.
    Point CaptionPos() const { return captionPos_; }
    // Always 0; assigning it has no effect.
    std::uint32_t ResHandle() const { return 0; }

protected:
    void UIStyleChanged() override;
    void DrawFace(Canvas& canvas, HBITMAP face) override;
    void DrawCaption(Canvas& canvas, const std::string& caption) override;
    void DrawFocus(Canvas& canvas) override;
    void ActionChange(Action* sender, bool checkDefaults) override;

private:
    OwnedBitmap glyph_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    Point captionPos_;
    int spacing_ = 4;
};

// Draws an image of a list in the disabled look: its silhouette (the pixels neither masked
// out nor white) in the button-highlight colour one pixel right and down, then in the
// button-shadow colour in place.
void DrawImageDisabled(HIMAGELIST list, int index, HDC dc, int x, int y);

// A copy of a bitmap, or an empty handle for an empty source. Throws GdiError.
OwnedBitmap CopyBitmap(HBITMAP source);

}  // namespace zelkova
