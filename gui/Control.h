// Controls: the visible parts of a form. `Control` itself has no window: labels and pictures
// are painted by their parent and receive mouse input through it. `WinControl` (WinControl.h)
// adds a window.
//
// Every message a control receives goes through WndProc, which unpacks the framework's
// notifications into the typed virtual operations below. An override does its own work and
// calls the base operation for the ordinary processing, where the behaviour asks for it.
#pragma once

#include <cstdint>
#include <string>

#include "gui/Color.h"
#include "gui/Component.h"
#include "gui/Events.h"
#include "gui/Font.h"
#include "gui/Messages.h"
#include "gui/Properties.h"
#include "base/Geometry.h"

namespace zelkova {

class Action;
class Canvas;
class Form;
class PopupMenu;
class WinControl;

// Cursor identifiers as layouts state them.
using CursorId = std::int16_t;
inline constexpr CursorId kCursorDefault = 0;
inline constexpr CursorId kCursorArrow = -2;
inline constexpr CursorId kCursorIBeam = -4;
inline constexpr CursorId kCursorHandPoint = -21;

// Modal results.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

enum class BiDiMode : std::uint8_t { LeftToRight, RightToLeft };

// Where the parent places a control: nowhere in particular (its own bounds), or against one
// edge of what is left of the parent's child area, or filling the rest.
enum class Align : std::uint8_t { None, Top, Bottom, Left, Right, Client };

// What any object bound to an action implements: it takes the action's state when it changes.
class ActionClient {
public:
    virtual void ActionChanged(Action& action) = 0;

protected:
    ~ActionClient() = default;
};

class Control : public Component, public ActionClient {
public:
    explicit Control(Component* owner);
    ~Control() override;

    std::string_view ClassName() const override { return "TControl"; }
    const PropertyTable& PublishedProperties() const override;

    // --- Parent and geometry ---
    WinControl* Parent() const { return parent_; }
    virtual void SetParent(WinControl* parent);
    // The form this control sits on (through any number of containers), or null.
    Form* ParentForm() const;
    virtual bool IsWindowed() const { return false; }

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    Rect BoundsRect() const { return bounds_; }
    virtual Rect ClientRect() const { return Rect{0, 0, Width(), Height()}; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

    // --- State ---
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    // The control text: a window's text for windowed controls. Setting a different text sends
    // the text-changed notification.
    virtual std::string Text() const { return text_; }
    virtual void SetText(std::string text);

    Font& GetFont() { return font_; }
    const Font& GetFont() const { return font_; }
    void SetFont(const FontSpec& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    TColor Color() const { return color_; }
    virtual void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);

    CursorId Cursor() const { return cursor_; }
    virtual void SetCursor(CursorId cursor) { cursor_ = cursor; }

    Align GetAlign() const { return align_; }
    void SetAlign(Align align);

    BiDiMode GetBiDiMode() const { return biDiMode_; }
    void SetBiDiMode(BiDiMode mode);

    PopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(PopupMenu* menu);

    Action* GetAction() const { return action_; }
    void SetAction(Action* action);

    // --- Events ---
    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    MouseEventHandler OnMouseDown;
    MouseEventHandler OnMouseUp;
    MouseMoveHandler OnMouseMove;
    void SetOnClick(NotifyEvent handler) { OnClick = std::move(handler); }
    void SetOnDblClick(NotifyEvent handler) { OnDblClick = std::move(handler); }
    void SetOnMouseDown(MouseEventHandler handler) { OnMouseDown = std::move(handler); }
    void SetOnMouseUp(MouseEventHandler handler) { OnMouseUp = std::move(handler); }
    void SetOnMouseMove(MouseMoveHandler handler) { OnMouseMove = std::move(handler); }

    // --- Operations ---
    // The click: the OnClick handler if one is set, else the bound action.
    virtual void Click();
    // Sends a message straight to this control's WndProc and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Marks the control for painting; Repaint paints it before returning.
    virtual void Invalidate();
    virtual void Repaint();

    // Paints the control; for a control without a window, onto its parent's canvas with the
    // origin at the control's top-left.
    virtual void Paint(Canvas& canvas);

    // Entry points the parent uses to route mouse input to a control without a window.
    void DispatchMouseDown(const MouseEvent& event) { MouseDown(event); }
    void DispatchMouseUp(const MouseEvent& event) { MouseUp(event); }
    void DispatchMouseMove(Shift shift, Point point) { MouseMove(shift, point); }
    void DispatchDblClick() { DblClick(); }

    void ActionChanged(Action& action) override { ActionChange(&action, false); }

    virtual void WndProc(Message& message);

protected:
    // The typed operations WndProc unpacks into.
    virtual void MouseDown(const MouseEvent& event);
    virtual void MouseUp(const MouseEvent& event);
    virtual void MouseMove(Shift shift, Point point);
    virtual void DblClick();
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // Return true when the key or character was consumed.
    virtual bool DialogKey(const DialogKeyEvent& event);
    virtual bool DialogChar(const DialogCharEvent& event);
    virtual void FocusChanged(Control* focused);
    virtual void CancelMode() {}
    virtual void FontChanged() { Invalidate(); }
    virtual void TextChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    // The bound action changed: take its caption, enabled state and visibility.
    virtual void ActionChange(Action* sender, bool checkDefaults);
    // Messages outside the framework's set (private application messages, for example).
    // Return true when handled; message.result is then the answer.
    virtual bool HandleMessage(Message& message);
    // Processing of a message no override wanted: the window's default for windowed controls.
    virtual void DefaultHandler(Message& message);

    void Notification(Component* component, Operation operation) override;

    // The parent's font or colour changed; a control that follows its parent takes it.
    void ParentFontChanged();
    void ParentColorChanged();

    friend class WinControl;

private:
    WinControl* parent_ = nullptr;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    Font font_;
    bool parentFont_ = true;
    bool applyingParentFont_ = false;
    TColor color_ = kBtnFace;
    bool parentColor_ = false;
    CursorId cursor_ = kCursorDefault;
    BiDiMode biDiMode_ = BiDiMode::LeftToRight;
    Align align_ = Align::None;
    PopupMenu* popupMenu_ = nullptr;
    Action* action_ = nullptr;
};

template <>
struct EnumNames<Align> {
    static constexpr const char* kNames[] = {"alNone", "alTop",   "alBottom",
                                             "alLeft", "alRight", "alClient"};
};

template <>
struct EnumNames<BiDiMode> {
    static constexpr const char* kNames[] = {"bdLeftToRight", "bdRightToLeft"};
};

// The control at that address if it exists, else null (for pointers that arrive in messages).
Control* LiveControl(LPARAM pointer);

// Win32 shift state from a key message's data.
Shift ShiftFromKeyData(LPARAM keyData);
// The shift state as the dialog-key and dialog-character notifications carry it.
LPARAM ShiftParam(Shift shift);
Shift ShiftFromParam(LPARAM param);

}  // namespace zelkova
