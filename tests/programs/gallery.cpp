// A contact sheet of the skinned-control kit, for people to look at: every style's push button
// in every look and at several sizes, link labels and group boxes, on one window.
//
//   gallery.exe [--close-after <milliseconds>]
//
// The hover and pressed looks are forced through the button's own notifications, so they stay
// until the real mouse passes over them. Only one window can hold the keyboard focus, so the
// focused column shows pictures of each style's button painted while it had the focus. Glyph
// buttons are disabled on every other row.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Messages.h"
#include "gui/Timer.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIGroupBox_win.h"
#include "skin/win/SUIURLLabel_win.h"

namespace zelkova {
namespace {

constexpr TColor kSheetColour = 0xD8C8B0;  // a light steel blue, so transparent corners show
constexpr int kColumnWidth = 100;
constexpr int kRowHeight = 44;
constexpr int kLeftMargin = 110;
constexpr int kTopMargin = 40;

// A button whose hover and pressed looks can be put on from outside.
class GalleryButton : public TsuiButton {
public:
    using TsuiButton::TsuiButton;

    void ShowHover() { MouseEnter(); }
    void ShowPressed() {
        SetPressed(true);
        Repaint();
    }
};

struct StyleRow {
    TsuiUIStyle style;
    const char* name;
};

constexpr StyleRow kStyles[] = {
    {TsuiUIStyle::MacOS, "MacOS"},         {TsuiUIStyle::WinXP, "WinXP"},
    {TsuiUIStyle::DeepBlue, "DeepBlue"},   {TsuiUIStyle::Protein, "Protein"},
    {TsuiUIStyle::BlueGlass, "BlueGlass"}, {TsuiUIStyle::FromThemeFile, "FromThemeFile"},
};

// A 16 x 16 folder on a fuchsia background (its top-left pixel, so masked); with twoImages, a
// greyed second folder beside it for the disabled state.
OwnedBitmap MakeFolderGlyph(bool twoImages) {
    const int width = twoImages ? 32 : 16;
    DibPixels pixels;
    OwnedBitmap glyph = CreateDib32(width, 16, &pixels);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < width; ++x) {
            const int u = x % 16;
            const bool tab = y >= 3 && y < 5 && u >= 2 && u < 7;
            const bool body = y >= 5 && y < 13 && u >= 1 && u < 15;
            const bool edge = body && (y == 5 || y == 12 || u == 1 || u == 14);
            std::uint32_t colour = 0xFF00FF;
            if (tab || body)
                colour = x < 16 ? 0xF0C040 : 0xC0C0C0;
            if (edge)
                colour = x < 16 ? 0x806010 : 0x808080;
            pixels.Row(y)[x] = colour;
        }
    }
    return glyph;
}

class GalleryForm : public Form {
public:
    GalleryForm() : Form(nullptr) {
        SetCaption("Zelkova skin gallery");
        SetBorderStyle(FormBorderStyle::Single);
        SetClientSize(kLeftMargin + 9 * kColumnWidth + 80, kTopMargin + 6 * kRowHeight + 190);
        SetBounds(10, 10, Width(), Height());
        SetColor(kSheetColour);
        glyph_ = MakeFolderGlyph(false);
        twoImageGlyph_ = MakeFolderGlyph(true);

        const char* headings[] = {"normal", "mouse over", "pressed", "disabled", "focused",
                                  "glyph",  "two-image",  "55 x 27", "158 x 24"};
        for (int column = 0; column < 9; ++column) {
            AddLabel(headings[column], kLeftMargin + column * kColumnWidth, 14);
        }
        for (int row = 0; row < 6; ++row) AddRow(row);
        AddLinksAndGroups(kTopMargin + 6 * kRowHeight + 10);
    }

    // Paints each style's button while it has the focus into the focused column's pictures.
    void PictureFocusedButtons() {
        for (auto& [button, picture] : focusShots_) {
            button->SetFocus();
            Application::Instance()->ProcessMessages();
            WindowDC screen(nullptr);
            OffscreenBuffer shot(screen.get(), button->Width(), button->Height());
            SendMessageA(button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(shot.dc()), 0);
            OwnedBitmap copy = CreateDib32(button->Width(), button->Height());
            {
                BitmapCanvas to(shot.dc(), copy.get());
                BitBlt(to.dc(), 0, 0, button->Width(), button->Height(), shot.dc(), 0, 0, SRCCOPY);
            }
            picture->SetBitmap(std::move(copy));
            button->SetVisible(false);
        }
    }

private:
    void AddLabel(const std::string& text, int left, int top) {
        auto* label = new Label(this);
        label->SetParent(this);
        label->SetBounds(left, top, 90, 16);
        label->SetTransparent(true);
        label->SetCaption(text);
    }

    GalleryButton* AddButton(TsuiUIStyle style, int column, int row, int width, int height,
                             const std::string& caption) {
        auto* button = new GalleryButton(this);
        button->SetParent(this);
        button->SetUIStyle(style);
        button->SetBounds(kLeftMargin + column * kColumnWidth, kTopMargin + row * kRowHeight, width,
                          height);
        button->SetCaption(caption);
        button->SetTabStop(false);
        return button;
    }

    void AddRow(int row) {
        const StyleRow& style = kStyles[row];
        AddLabel(style.name, 12, kTopMargin + row * kRowHeight + 6);
        AddButton(style.style, 0, row, 80, 27, "&Normal");
        AddButton(style.style, 1, row, 80, 27, "&Hover")->ShowHover();
        AddButton(style.style, 2, row, 80, 27, "&Pressed")->ShowPressed();
        AddButton(style.style, 3, row, 80, 27, "&Disabled")->SetEnabled(false);

        GalleryButton* focused = AddButton(style.style, 4, row, 80, 27, "&Focused");
        focused->SetTabStop(true);
        auto* picture = new Image(this);
        picture->SetParent(this);
        picture->SetBounds(focused->Left(), focused->Top(), 80, 27);
        focusShots_.push_back({focused, picture});

        // Every other row shows the glyphs disabled: the single image in the disabled look, the
        // two-image glyph's right image.
        GalleryButton* glyph = AddButton(style.style, 5, row, 80, 27, "&Jump");
        glyph->SetGlyph(glyph_.get());
        GalleryButton* twoImage = AddButton(style.style, 6, row, 80, 27, "&Open");
        twoImage->SetGlyph(twoImageGlyph_.get());
        if (row % 2 == 1) {
            glyph->SetEnabled(false);
            twoImage->SetEnabled(false);
        }
        AddButton(style.style, 7, row, 55, 27, "OK");
        AddButton(style.style, 8, row, 158, 24, "Jump from Clipboard");
    }

    void AddLinksAndGroups(int top) {
        auto* link = new TsuiURLLabel(this);
        link->SetParent(this);
        link->SetBounds(12, top, 10, 10);
        link->SetCaption("Check for updates...");

        auto* hovered = new TsuiURLLabel(this);
        hovered->SetParent(this);
        hovered->SetBounds(12, top + 24, 10, 10);
        hovered->SetCaption("A link under the mouse");
        hovered->Perform(notify::kMouseEnter);

        const StyleRow groups[] = {kStyles[2], kStyles[0], kStyles[1]};
        int left = kLeftMargin + 90;
        for (const StyleRow& style : groups) {
            auto* box = new TsuiGroupBox(this);
            box->SetParent(this);
            box->SetBounds(left, top, 220, 150);
            box->SetUIStyle(style.style);
            box->SetCaption(std::string(style.name) + " group");
            auto* inside = new TsuiButton(this);
            inside->SetParent(box);
            inside->SetUIStyle(style.style);
            inside->SetBounds(20, 30, 90, 27);
            inside->SetCaption("Inside");
            left += 240;
        }
        auto* plain = new TsuiGroupBox(this);
        plain->SetParent(this);
        plain->SetBounds(left, top, 140, 150);
        plain->SetTransparent(true);
    }

    OwnedBitmap glyph_;
    OwnedBitmap twoImageGlyph_;
    std::vector<std::pair<GalleryButton*, Image*>> focusShots_;
};

int CloseAfterArgument(const char* commandLine) {
    const char* option = std::strstr(commandLine, "--close-after");
    if (option == nullptr)
        return 0;
    return std::atoi(option + std::strlen("--close-after"));
}

}  // namespace
}  // namespace zelkova

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    zelkova::Application application;
    application.SetTitle("Zelkova skin gallery");
    zelkova::GalleryForm gallery;
    // The pictures need a visible window to focus in: take them once the loop runs.
    zelkova::Timer shots(nullptr);
    shots.SetInterval(50);
    shots.SetOnTimer([&](zelkova::Component*) {
        shots.SetEnabled(false);
        gallery.PictureFocusedButtons();
    });

    zelkova::Timer closer(nullptr);
    closer.SetEnabled(false);
    if (const int closeAfter = zelkova::CloseAfterArgument(commandLine); closeAfter > 0) {
        closer.SetInterval(closeAfter);
        closer.SetOnTimer([&application](zelkova::Component*) { application.Terminate(); });
        closer.SetEnabled(true);
    }
    application.Run(gallery);
    return 0;
}
