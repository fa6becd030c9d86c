#include "skin/win/SUIGroupBox_win.h"

#include <cstdlib>

#include "gui/Canvas.h"
#include "skin/ButtonCaption.h"
#include "skin/GroupFrame.h"
#include "skin/file/SUI2Define.h"
#include "skin/win/SUIPublic_win.h"

namespace zelkova {

namespace {
constexpr TColor kDisabledCaptionGrey = 0x808080;

std::string Trimmed(const std::string& text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return text.substr(first, last - first);
}
}  // namespace

bool IsMiddleEastLocale() { return GetSystemMetrics(SM_MIDEASTENABLED) != 0; }

// --- TsuiCustomPanel ------------------------------------------------------------------------

TsuiCustomPanel::TsuiCustomPanel(Component* owner) : Panel(owner) {
    SetBevelOuter(Bevel::None);
    SetBevelInner(Bevel::None);
}

TsuiCustomPanel::~TsuiCustomPanel() { DestroyHandle(); }

void TsuiCustomPanel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Repaint();
}

void TsuiCustomPanel::Paint(Canvas& canvas) {
    HDC target = canvas.RawHandle();
    OffscreenBuffer buffer(target, Width(), Height());
    PaintParentBackground(buffer.dc(), Handle());
    const std::string text = Trimmed(Text());
    if (!text.empty()) {
        Canvas composed(buffer.dc());
        composed.SetBrushStyle(BrushStyle::Clear);
        composed.SetFont(GetFont());
        Rect area = ClientRect();
        composed.DrawText(text, area, DT_CENTER | DT_VCENTER | DT_SINGLELINE, -1);
    }
    buffer.Present(target);
}

// --- TsuiCustomGroupBox ---------------------------------------------------------------------

TsuiCustomGroupBox::TsuiCustomGroupBox(Component* owner) : TsuiCustomPanel(owner) {
    SetText(" ");
    SetBounds(Left(), Top(), 185, 105);
    SetParentColor(true);
    SetTransparent(false);
    SetUIStyle(DefaultUIStyleFor(owner));
}

const PropertyTable& TsuiCustomGroupBox::PublishedProperties() const {
    using G = TsuiCustomGroupBox;
    static const PropertyTable table{
        {"Name", Setter(&G::SetName)},
        {"Left", Setter(&G::SetLeft)},
        {"Top", Setter(&G::SetTop)},
        {"Width", Setter(&G::SetWidth)},
        {"Height", Setter(&G::SetHeight)},
        {"FileTheme", Setter(&G::SetFileTheme)},
        {"UIStyle", Setter(&G::SetUIStyle)},
        {"BiDiMode", Setter(&G::SetBiDiMode)},
        {"Align", Setter(&G::SetAlign)},
        {"Caption", Setter(&G::SetCaption)},
        {"Color", Setter(&G::SetColor)},
        {"Font", Setter(&G::SetFont)},
        {"Enabled", Setter(&G::SetEnabled)},
        {"Transparent", Setter(&G::SetTransparent)},
        {"ParentColor", Setter(&G::SetParentColor)},
        {"ParentFont", Setter(&G::SetParentFont)},
        {"TabOrder", Setter(&G::SetTabOrder)},
        {"TabStop", Setter(&G::SetTabStop)},
        {"Visible", Setter(&G::SetVisible)},
    };
    return table;
}

const PropertyTable& TsuiGroupBox::PublishedProperties() const {
    using G = TsuiGroupBox;
    static const PropertyTable table(TsuiCustomGroupBox::PublishedProperties(),
                                     {
                                         {"BorderColor", Setter(&G::SetBorderColor)},
                                         {"OnClick", Setter(&G::SetOnClick)},
                                         {"OnDblClick", Setter(&G::SetOnDblClick)},
                                         {"OnEnter", Setter(&G::SetOnEnter)},
                                         {"OnExit", Setter(&G::SetOnExit)},
                                         {"OnMouseDown", Setter(&G::SetOnMouseDown)},
                                         {"OnMouseMove", Setter(&G::SetOnMouseMove)},
                                         {"OnMouseUp", Setter(&G::SetOnMouseUp)},
                                     });
    return table;
}

void TsuiCustomGroupBox::SetBorderColor(TColor color) {
    borderColor_ = color;
    Repaint();
}

void TsuiCustomGroupBox::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Repaint();
}

void TsuiCustomGroupBox::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    ApplyUIStyle(style, fileTheme_);
}

void TsuiCustomGroupBox::SetFileTheme(FileThemeComponent* theme) {
    if (fileTheme_ != nullptr && fileTheme_ != theme) RemoveFreeNotification(fileTheme_);
    fileTheme_ = theme;
    if (theme != nullptr) FreeNotification(theme);
    SetUIStyle(uiStyle_);
}

void TsuiCustomGroupBox::ApplyUIStyle(TsuiUIStyle style, FileThemeComponent* fileTheme) {
    ApplyThemeToChildren(*this, style, fileTheme);
    const ThemeSourceChoice choice = ResolveThemeSource(fileTheme_, uiStyle_);
    if (choice.useFileTheme) {
        SetBorderColor(fileTheme_->GetColor(kSkinControlBorderColor));
        GetFont().SetColor(fileTheme_->GetColor(kSkinControlFontColor));
    } else {
        SetBorderColor(GetThemeColor(choice.style, teControlBorderColor));
        GetFont().SetColor(GetThemeColor(choice.style, teControlFontColor));
    }
}

void TsuiCustomGroupBox::Notification(Component* component, Operation operation) {
    TsuiCustomPanel::Notification(component, operation);
    if (operation == Operation::Remove && fileTheme_ != nullptr &&
        component == static_cast<Component*>(fileTheme_)) {
        fileTheme_ = nullptr;
        ApplyThemeToChildren(*this, TsuiUIStyle::DeepBlue, nullptr);
        SetUIStyle(TsuiUIStyle::DeepBlue);
    }
}

void TsuiCustomGroupBox::FontChanged() {
    TsuiCustomPanel::FontChanged();
    AlignControls();
    Repaint();
}

Rect TsuiCustomGroupBox::AdjustClientRect() const {
    const Rect client = ClientRect();
    const int fontHeight = std::abs(GetFont().Height());
    return Rect{client.left + 3, client.top + fontHeight + 5, client.right - 3, client.bottom - 3};
}

void TsuiCustomGroupBox::Paint(Canvas& canvas) {
    const int fontHeight = std::abs(GetFont().Height());
    if (Transparent()) {
        TsuiCustomPanel::Paint(canvas);
    } else {
        canvas.SetBrushColor(Color());
        canvas.FillRect(ClientRect());
    }
    canvas.SetFont(GetFont());
    Rect r = ClientRect();
    r.top += fontHeight / 2 + 1;
    canvas.SetPenColor(borderColor_);
    const int captionWidth = caption_.empty() ? 0 : canvas.TextWidth(caption_);
    const bool rightToLeft = GetBiDiMode() == BiDiMode::RightToLeft && IsMiddleEastLocale();
    // Lines run up to, not including, their end point: each corner is drawn by the line that
    // starts there.
    const GroupFrameOutline outline =
        OutlineGroupFrame(r, Width(), !caption_.empty(), captionWidth, rightToLeft);
    canvas.MoveTo(outline.line[0].x, outline.line[0].y);
    for (std::size_t i = 1; i < outline.line.size(); ++i) {
        canvas.LineTo(outline.line[i].x, outline.line[i].y);
    }
    canvas.SetFont(GetFont());
    if (!Enabled()) canvas.SetFontColor(kDisabledCaptionGrey);
    canvas.SetBrushStyle(BrushStyle::Clear);
    if (caption_.empty()) return;
    canvas.TextOut(outline.caption.x, outline.caption.y, caption_);
}

}  // namespace zelkova
