#include "skin/win/SUIButton_win.h"

#include <algorithm>

#include "gui/Action.h"
#include "gui/Form.h"
#include "gui/ImageList.h"
#include "gui/Menu.h"
#include "gui/SystemError.h"
#include "skin/ButtonCaption.h"
#include "skin/file/SUI2Define.h"
#include "skin/win/SUIThemes_win.h"

namespace zelkova {

// --- TsuiCustomButton: state and setters ---------------------------------------------------

TsuiCustomButton::TsuiCustomButton(Component* owner) : WinControl(owner) {
    SetParentColor(true);
    // Runs only this class's (empty) style application here; TsuiButton applies its own
    // once it is constructed.
    SetUIStyle(DefaultUIStyleFor(owner));
}

TsuiCustomButton::~TsuiCustomButton() {
    // The window's messages reach this object's members; it goes first. The repeat timer dies
    // with repeatTimer_, so no tick can reach a destroyed button.
    DestroyHandle();
}

void TsuiCustomButton::CreateParams(struct CreateParams& params) {
    WinControl::CreateParams(params);
    // No CS_DBLCLKS: a double click arrives as a second press. No child controls either.
    params.classStyle = 0;
}

void TsuiCustomButton::HandleCreated() { active_ = default_; }

void TsuiCustomButton::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    UpdateAutoSize();
    Repaint();
}

void TsuiCustomButton::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    SetText(caption_);  // the same text again sends no notification
    CaptionChanged();
    Repaint();
}

void TsuiCustomButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    if (!HandleAllocated()) return;
    // Every button of the form works out again whether Enter is now its key.
    if (Form* form = ParentForm()) form->AnnounceFocus();
}

void TsuiCustomButton::SetTransparent(bool transparent) {
    transparent_ = transparent;
    TransparentChanged();
    Repaint();
}

void TsuiCustomButton::TransparentChanged() { SetFaceTransparent(transparent_); }

void TsuiCustomButton::SetFaceTransparent(bool transparent) {
    faceTransparent_ = transparent;
    Repaint();
}

void TsuiCustomButton::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    UIStyleChanged();
    Repaint();
}

void TsuiCustomButton::SetFileTheme(FileThemeComponent* theme) {
    if (fileTheme_ != nullptr && fileTheme_ != theme) RemoveFreeNotification(fileTheme_);
    fileTheme_ = theme;
    if (theme != nullptr) FreeNotification(theme);
    SetUIStyle(uiStyle_);
}

void TsuiCustomButton::Notification(Component* component, Operation operation) {
    WinControl::Notification(component, operation);
    if (operation == Operation::Remove && fileTheme_ != nullptr &&
        component == static_cast<Component*>(fileTheme_)) {
        fileTheme_ = nullptr;
        SetUIStyle(TsuiUIStyle::DeepBlue);
    }
}

void TsuiCustomButton::SetFocusedRectMargin(int margin) {
    focusedRectMargin_ = margin;
    Repaint();
}

void TsuiCustomButton::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    WinControl::SetEnabled(enabled);  // the window, then EnabledChanged
    Repaint();
}

void TsuiCustomButton::FontChanged() {
    WinControl::FontChanged();
    Repaint();
}

void TsuiCustomButton::UpdateAutoSize() {
    if (!autoSize_) return;
    // The style's own strip: no file theme and no fallback, so FromThemeFile finds nothing.
    OwnedBitmap strip;
    GetThemeBitmap(uiStyle_, teButtonImage, &strip, 0, 0);
    const SIZE stripSize = BitmapSize(strip.get());
    const Size size = AutoSizeForStrip(Size{stripSize.cx, stripSize.cy});
    SetBounds(Left(), Top(), size.width, size.height);
}

void TsuiCustomButton::LoadFaceFrame(int element, int frameCount, OwnedBitmap& bitmap,
                                     int frameIndex) {
    const ThemeSourceChoice choice = ResolveThemeSource(fileTheme_, uiStyle_);
    if (choice.useFileTheme) {
        fileTheme_->GetBitmapFrame(kSkinButtonBitmap, bitmap, frameCount, frameIndex);
    } else {
        GetThemeBitmap(choice.style, element, &bitmap, frameCount, frameIndex);
    }
}

// --- Clicks, mouse, keyboard, focus ----------------------------------------------------------

void TsuiCustomButton::Click() {
    if (pressed_) {
        StopRepeat();
        pressed_ = false;
        Repaint();
    }
    if (Parent() != nullptr) {
        if (Form* form = ParentForm()) form->SetModalResult(modalResult_);
    }
    WinControl::Click();
}

void TsuiCustomButton::DoMouseContinuouslyDown() {
    if (OnMouseContinuouslyDown) OnMouseContinuouslyDown(this);
}

void TsuiCustomButton::MouseEnter() {
    WinControl::MouseEnter();
    if (IsDesigning()) return;
    mouseOver_ = true;
    Repaint();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TsuiCustomButton::MouseLeave() {
    WinControl::MouseLeave();
    mouseOver_ = false;
    pressed_ = false;
    StopRepeat();
    Repaint();
    if (OnMouseExit) OnMouseExit(this);
}

void TsuiCustomButton::MouseDown(const MouseEvent& event) {
    if (event.button == MouseButton::Left) {
        pressed_ = true;
        if (repeatTimer_ == nullptr) {
            repeatTimer_ = std::make_unique<Timer>(nullptr);
            repeatTimer_->SetInterval(std::max(repeatInterval_, 0));
            repeatTimer_->SetOnTimer([this](Component*) { DoMouseContinuouslyDown(); });
        }
        if (TabStop() && CanFocus() && Enabled() && Visible()) {
            try {
                SetFocus();
            } catch (...) {
                // The press goes on without the focus.
            }
        }
        Repaint();
    }
    WinControl::MouseDown(event);
}

void TsuiCustomButton::MouseMove(Shift shift, Point point) {
    WinControl::MouseMove(shift, point);
    if (IsOutsideButton(point, Size{Width(), Height()})) {
        mouseOver_ = false;
        pressed_ = false;
        Repaint();
    }
}

// Only plain key messages press and release the button: with Alt held, Enter is no click and
// Space opens the system menu, which must not find the button drawn pressed.
void TsuiCustomButton::KeyDown(KeyEvent& event) {
    WinControl::KeyDown(event);
    if (!event.system && (event.key == VK_SPACE || event.key == VK_RETURN) && Focused() &&
        Enabled()) {
        pressed_ = true;
        Repaint();
    }
}

void TsuiCustomButton::KeyUp(KeyEvent& event) {
    WinControl::KeyUp(event);
    if (!event.system && (event.key == VK_SPACE || event.key == VK_RETURN) && Focused() &&
        pressed_ && Enabled()) {
        pressed_ = false;
        Repaint();
        Click();
    }
}

bool TsuiCustomButton::DialogKey(const DialogKeyEvent& event) {
    const bool ourKey = (event.key == VK_RETURN && active_) || (event.key == VK_ESCAPE && cancel_);
    const bool modifiers = Has(event.shift, Shift::Shift) || Has(event.shift, Shift::Ctrl) ||
                           Has(event.shift, Shift::Alt);
    if (ourKey && !modifiers && CanFocus()) {
        Click();
        return true;
    }
    return WinControl::DialogKey(event);
}

bool TsuiCustomButton::DialogChar(const DialogCharEvent& event) {
    WinControl::DialogChar(event);
    if (!IsCaptionAccelerator(event.character, caption_)) return false;
    // Without Alt a plain letter counts only while a skinned button has the focus: typed into
    // an edit box it is text, not a shortcut.
    if (!Has(event.shift, Shift::Alt) && SendMessageA(GetFocus(), WM_ISSKINBUTTON, 0, 0) != 1)
        return false;
    if (Parent() != nullptr && Parent()->Enabled() && Enabled() && Visible()) {
        Click();
        return true;
    }
    return false;
}

void TsuiCustomButton::FocusChanged(Control* focused) {
    WinControl::FocusChanged(focused);
    if (dynamic_cast<TsuiButton*>(focused) != nullptr) {
        active_ = focused == this;
    } else {
        active_ = default_;
    }
    Repaint();
}

void TsuiCustomButton::CancelMode() {
    WinControl::CancelMode();
    mouseOver_ = false;
    pressed_ = false;
    StopRepeat();
    Repaint();
}

void TsuiCustomButton::TextChanged() { SetCaption(Text()); }

bool TsuiCustomButton::HandleMessage(Message& message) {
    if (message.msg == WM_ISSKINBUTTON) {
        message.result = 1;
        return true;
    }
    return WinControl::HandleMessage(message);
}

void TsuiCustomButton::ActionChange(Action* sender, bool checkDefaults) {
    WinControl::ActionChange(sender, checkDefaults);
    SetCaption(Text());
}

// --- TsuiButton: properties and style ---------------------------------------------------------

TsuiButton::TsuiButton(Component* owner) : TsuiCustomButton(owner) {
    SetBounds(Left(), Top(), 80, 27);
    SetTabStop(true);
    // The style assigned while the base was being made could not reach this class's style
    // application yet; apply it now, so a new button has its style's look.
    SetUIStyle(UIStyle());
}

TsuiButton::~TsuiButton() {
    DestroyHandle();
    glyph_.reset();
}

const PropertyTable& TsuiButton::PublishedProperties() const {
    using B = TsuiButton;
    static const PropertyTable table{
        {"Name", Setter(&B::SetName)},
        {"Left", Setter(&B::SetLeft)},
        {"Top", Setter(&B::SetTop)},
        {"Width", Setter(&B::SetWidth)},
        {"Height", Setter(&B::SetHeight)},
        {"BiDiMode", Setter(&B::SetBiDiMode)},
        {"ParentColor", Setter(&B::SetParentColor)},
        {"Font", Setter(&B::SetFont)},
        {"PopupMenu", Setter(&B::SetPopupMenu)},
        {"Caption", Setter(&B::SetCaption)},
        {"AutoSize", Setter(&B::SetAutoSize)},
        {"Visible", Setter(&B::SetVisible)},
        {"ParentFont", Setter(&B::SetParentFont)},
        {"TabStop", Setter(&B::SetTabStop)},
        {"OnEnter", Setter(&B::SetOnEnter)},
        {"OnExit", Setter(&B::SetOnExit)},
        {"FileTheme", Setter(&B::SetFileTheme)},
        {"UIStyle", Setter(&B::SetUIStyle)},
        {"Cancel", Setter(&B::SetCancel)},
        {"Default", Setter(&B::SetDefault)},
        {"Action", Setter(&B::SetAction)},
        {"Enabled", Setter(&B::SetEnabled)},
        {"TabOrder", Setter(&B::SetTabOrder)},
        {"Transparent", Setter(&B::SetTransparent)},
        {"ModalResult", Setter(&B::SetModalResult)},
        {"FocusedRectMargin", Setter(&B::SetFocusedRectMargin)},
        // A layout names the glyph by its bitmap resource.
        {"Glyph",
         [](Component& button, const PropertyValue& value) {
             const auto name = PropertyValueAs<std::string>(value);
             OwnedBitmap loaded(
                 static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
             if (!loaded) {
                 const DWORD error = GetLastError();
                 throw PropertyError(WithSystemError("Bitmap resource not found: " + name, error));
             }
             static_cast<B&>(button).SetGlyph(loaded.get());
         }},
        {"Layout", Setter(&B::SetLayout)},
        {"Spacing", Setter(&B::SetSpacing)},
        {"MouseContinuouslyDownInterval", Setter(&B::SetMouseContinuouslyDownInterval)},
        {"OnClick", Setter(&B::SetOnClick)},
        {"OnMouseMove", Setter(&B::SetOnMouseMove)},
        {"OnMouseDown", Setter(&B::SetOnMouseDown)},
        {"OnMouseUp", Setter(&B::SetOnMouseUp)},
        {"OnKeyDown", Setter(&B::SetOnKeyDown)},
        {"OnKeyUp", Setter(&B::SetOnKeyUp)},
        {"OnKeyPress", Setter(&B::SetOnKeyPress)},
        {"OnMouseEnter", Setter(&B::SetOnMouseEnter)},
        {"OnMouseExit", Setter(&B::SetOnMouseExit)},
        {"OnMouseContinuouslyDown", Setter(&B::SetOnMouseContinuouslyDown)},
        {"ResHandle", IgnoredSetter()},
    };
    return table;
}

void TsuiButton::SetGlyph(HBITMAP glyph) {
    glyph_ = CopyBitmap(glyph);
    Repaint();
}

void TsuiButton::SetLayout(TButtonLayout layout) {
    layout_ = layout;
    Repaint();
}

void TsuiButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    Repaint();
}

void TsuiButton::UIStyleChanged() {
    const ThemeSourceChoice choice = ResolveThemeSource(FileTheme(), UIStyle());
    if (choice.useFileTheme) {
        SetTransparent(FileTheme()->GetBoolean(kSkinButtonTransparent));
        GetFont().SetColor(FileTheme()->GetColor(kSkinButtonFontColor));
    } else {
        SetTransparent(GetThemeBoolean(choice.style, teButtonTransparent));
        GetFont().SetColor(kBlack);
    }
}

void TsuiButton::DrawFocus(Canvas& canvas) {
    if (UIStyle() == TsuiUIStyle::MacOS || UIStyle() == TsuiUIStyle::BlueGlass) {
        SetBoldCaption(true);
        return;
    }
    TsuiCustomButton::DrawFocus(canvas);
}

void TsuiButton::ActionChange(Action* sender, bool checkDefaults) {
    TsuiCustomButton::ActionChange(sender, checkDefaults);
    if (sender == nullptr || glyph_) return;
    ActionList* list = sender->GetActionList();
    ImageList* images = list != nullptr ? list->Images() : nullptr;
    if (images == nullptr) return;
    const int index = sender->ImageIndex();
    if (index < 0 || index >= images->Count()) return;
    glyph_ = images->GetBitmap(index, ColorToRgb(kBtnFace));
    Repaint();
}

}  // namespace zelkova
