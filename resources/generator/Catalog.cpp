#include "resources/generator/Catalog.h"

#include <array>

#include "resources/generator/Art.h"

namespace zelkova::art {
namespace {

// Geometry per look, MacOS to BlueGlass.
struct Geometry {
    int width;
    int height;
    int bits;
};
using PerLook = std::array<Geometry, 5>;

constexpr PerLook kButton{{{252, 23, 8}, {54, 21, 8}, {222, 21, 4}, {222, 21, 8}, {231, 27, 8}}};
constexpr PerLook kTitleButtons{
    {{306, 17, 24}, {378, 21, 24}, {342, 19, 4}, {342, 19, 4}, {342, 19, 4}}};
constexpr PerLook kTitleLeft{{{48, 23, 8}, {35, 29, 8}, {97, 32, 8}, {441, 23, 8}, {162, 33, 8}}};
constexpr PerLook kTitleClient{{{49, 23, 8}, {37, 29, 8}, {98, 32, 4}, {1, 23, 4}, {179, 33, 8}}};
constexpr PerLook kTitleRight{{{48, 23, 8}, {35, 29, 8}, {97, 32, 8}, {1, 23, 8}, {101, 33, 8}}};
constexpr PerLook kCheckBox{{{60, 17, 8}, {52, 13, 8}, {52, 13, 4}, {52, 13, 4}, {52, 13, 4}}};
constexpr PerLook kRadioButton{{{64, 17, 8}, {52, 13, 8}, {52, 13, 4}, {52, 13, 4}, {52, 13, 4}}};
constexpr PerLook kProgressBar{{{13, 10, 8}, {6, 10, 8}, {1, 10, 8}, {1, 10, 8}, {1, 10, 8}}};
// Where the caption buttons sit on the title bar, so that their background matches it.
constexpr std::array<int, 5> kTitleButtonTop{4, 5, 2, 2, 6};

constexpr int kCheckFrames = 4;
constexpr int kButtonFrames = 3;
constexpr int kTitleButtonFrames = 18;

}  // namespace

std::vector<BitmapArt> ThemeBitmapCatalog() {
    std::vector<BitmapArt> all;
    for (std::size_t i = 0; i < 5; ++i) {
        const Look look = kLooks[i];
        const std::string prefix(ArtOf(look).prefix);
        auto add = [&](const std::string& suffix, Geometry g, std::function<Canvas()> paint) {
            all.push_back({prefix + "_" + suffix, g.width, g.height, g.bits, std::move(paint)});
        };

        const Geometry button = kButton[i];
        add("BUTTON", button,
            [=] { return ButtonStrip(look, button.width / kButtonFrames, button.height); });
        const Geometry checkBox = kCheckBox[i];
        add("CHECKBOX", checkBox, [=] {
            return CheckBoxStrip(look, checkBox.width / kCheckFrames, checkBox.height, false);
        });
        const Geometry radio = kRadioButton[i];
        add("RADIOBUTTON", radio,
            [=] { return RadioButtonStrip(look, radio.width / kCheckFrames, radio.height); });
        const Geometry titleButtons = kTitleButtons[i];
        const int titleHeight = kTitleLeft[i].height;
        const int titleTop = kTitleButtonTop[i];
        add("TITLEBTN", titleButtons, [=] {
            return TitleButtonStrip(look, titleButtons.width / kTitleButtonFrames, titleTop,
                                    titleHeight);
        });
        const Geometry left = kTitleLeft[i];
        const Geometry client = kTitleClient[i];
        const Geometry right = kTitleRight[i];
        add("TITLE_LEFT", left, [=] { return TitleLeft(look, left.width, left.height); });
        add("TITLE_CLIENT", client, [=] { return TitleClient(look, client.width, client.height); });
        add("TITLE_RIGHT", right, [=] { return TitleRight(look, right.width, right.height); });
        const Geometry progress = kProgressBar[i];
        add("PROGRESSBAR", progress,
            [=] { return ProgressBarTile(look, progress.width, progress.height); });

        add("TRACKBAR_BAR", {40, 6, 8}, [=] { return TrackBarGroove(look, 40, 6); });
        add("TRACKBAR_SLIDER", {33, 19, 8}, [=] { return TrackBarThumbs(look, 11, 19, false); });
        add("TRACKBAR_SLIDER_V", {57, 11, 8}, [=] { return TrackBarThumbs(look, 19, 11, true); });
        add("SCROLLBAR_BUTTON", {192, 16, 8}, [=] { return ScrollBarButtons(look, 16); });
        add("SCROLLBAR_TRACK", {48, 16, 8}, [=] { return ScrollBarTrack(look, 16); });
        add("CHECKLIST", {52, 13, 8}, [=] { return CheckBoxStrip(look, 13, 13, true); });
        add("TAB", {90, 21, 8}, [=] { return TabStrip(look, 30, 21); });
        add("TAB_LINE", {8, 3, 8}, [=] { return TabLine(look, 8, 3); });
        add("SIDECHENNEL_HANDLE", {24, 40, 8}, [=] { return SideChannelHandle(look, 8, 40); });
        add("SIDECHENNEL_BAR", {1, 24, 8}, [=] { return SideChannelBar(look, 1, 24); });
    }
    // Menu scroll buttons: MacOS and WinXP have their own, the other looks share one.
    struct SharedArt {
        const char* name;
        Look look;
    };
    for (const SharedArt shared : {SharedArt{"MACOS_SCROLLBUTTON", Look::MacOS},
                                   SharedArt{"WINXP_SCROLLBUTTON", Look::WinXP},
                                   SharedArt{"MORE_SCROLLBUTTON", Look::DeepBlue}}) {
        const Look look = shared.look;
        all.push_back({shared.name, 32, 12, 8, [look] { return MenuScrollButtons(look, 16, 12); }});
    }
    return all;
}

}  // namespace zelkova::art
