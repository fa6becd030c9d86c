#include "skin/win/SUIMgr_win.h"

#include <algorithm>

#include "gui/Form.h"
#include "gui/Properties.h"
#include "skin/SUIThemes.h"

namespace zelkova {
namespace {

// SetWindowPos flags that only make the window recompute and repaint its frame.
constexpr UINT kFrameChangedOnly =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
static_assert(kFrameChangedOnly == 0x37);

// The columns of one frame of a skin bitmap as a top-down 32-bit DIB section. BmpImage holds
// exactly that pixel layout, so rows copy straight across.
OwnedBitmap CopyFrame(const BmpImage& image, const StripFrame& frame) {
    DibPixels to;
    OwnedBitmap copy = CreateDib32(frame.width, frame.height, &to);
    const std::span<const std::uint32_t> pixels = image.Pixels();
    const auto stride = static_cast<std::size_t>(image.Width());
    for (int y = 0; y < frame.height; ++y) {
        const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * stride +
                                   static_cast<std::size_t>(frame.left);
        std::copy(row, row + frame.width, to.Row(y));
    }
    return copy;
}

}  // namespace

FileThemeComponent* FileThemeOf(const Component& component) {
    const auto* holder = dynamic_cast<const FileThemeHolder*>(&component);
    return holder != nullptr ? holder->FileTheme() : nullptr;
}

TsuiFileTheme::TsuiFileTheme(Component* owner, SkinFileEnvironment environment,
                             SkinSearchFolders& folders)
    : FileThemeComponent(owner), core_(environment, folders) {}

const PropertyTable& TsuiFileTheme::PublishedProperties() const {
    using T = TsuiFileTheme;
    // A stored layout gives ThemeFile before Password, so an encrypted skin loads when the
    // password arrives. Ready is stored with the layout but is the load's outcome, not an input.
    static const PropertyTable table(Component::PublishedProperties(),
                                     {
                                         {"ThemeFile", StringSetter(&T::SetThemeFile)},
                                         {"Password", StringSetter(&T::SetPassword)},
                                         {"Ready", IgnoredSetter()},
                                     });
    return table;
}

// NOLINTNEXTLINE(performance-unnecessary-value-param): string setters take a copy (StringSetter)
void TsuiFileTheme::SetThemeFile(std::string value) {
    const bool wasReady = Ready();
    RefreshUsers(core_.SetThemeFile(value), wasReady);
}

// NOLINTNEXTLINE(performance-unnecessary-value-param): string setters take a copy (StringSetter)
void TsuiFileTheme::SetPassword(std::string value) {
    const bool wasReady = Ready();
    RefreshUsers(core_.SetPassword(value), wasReady);
}

void TsuiFileTheme::RefreshUsers(const FileThemeCore::ThemeFileChange& change, bool wasReady) {
    // A load that fails after a good one must reach the controls as well: left alone, they
    // would draw the DeepBlue face with the lost skin's transparency and caption colour.
    if (!change.found || (!Ready() && !wasReady)) return;
    auto* form = dynamic_cast<Form*>(Owner());
    if (form == nullptr) return;
    bool frameUsesTheme = false;
    // A control's setters may restyle others but do not add or remove components.
    const std::vector<Component*> components = form->Components();
    for (Component* component : components) {
        const std::string_view kind = component->ClassName();
        if (kind == "TsuiForm" && FileThemeOf(*component) == this) frameUsesTheme = true;
        if (!kind.starts_with("Tsui") || !HasPublishedProperty(*component, "FileTheme") ||
            FileThemeOf(*component) != this) {
            continue;
        }
        // Away and back again: the control reads every colour, flag and bitmap anew.
        SetPublishedProperty(*component, "FileTheme", static_cast<Component*>(nullptr));
        SetPublishedProperty(*component, "FileTheme", static_cast<Component*>(this));
    }
    // A first load finds the frame still drawn by the system; only a change of theme has an old
    // skinned frame to replace.
    if (frameUsesTheme && Ready() && !change.wasEmpty && form->HandleAllocated()) {
        ::SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0, kFrameChangedOnly);
    }
}

void TsuiFileTheme::GetBitmapFrame(int index, OwnedBitmap& graphic, int frameCount,
                                   int frameIndex) const {
    const BmpImage* image = GetBitmap(index);
    if (image == nullptr || image->Empty()) {
        graphic.reset();
        return;
    }
    StripFrame frame{0, image->Width(), image->Height()};
    if (frameCount != 0 && frameIndex != 0) {
        const auto cut = StripFrameColumns(image->Width(), image->Height(), frameCount, frameIndex);
        if (!cut) return;
        frame = *cut;
    }
    if (frame.width <= 0 || frame.height <= 0) {
        graphic.reset();
        return;
    }
    graphic = CopyFrame(*image, frame);
}

}  // namespace zelkova
