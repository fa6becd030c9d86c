#include "skin/SUIThemes.h"

#include <array>
#include <vector>

namespace zelkova {
namespace {

using Kind = TsuiThemeEntryKind;
using Names = std::array<std::string_view, kBuiltInStyleCount>;
using Numbers = std::array<std::int32_t, kBuiltInStyleCount>;

// One entry number across the five styles, MacOS to BlueGlass: the layout of the table as it is
// documented, so the data can be checked against it line by line.
struct TableRow {
    Kind kind;
    Numbers numbers;  // integer, colour or flag entries
    Names names;      // bitmap entries
};

// clang-format off
constexpr TableRow Bitmaps(Names names) { return {Kind::suiEntryBitmap, {}, names}; }
constexpr TableRow Colors(Numbers colors) { return {Kind::suiEntryColor, colors, {}}; }
constexpr TableRow Integers(Numbers values) { return {Kind::suiEntryInteger, values, {}}; }
constexpr TableRow Booleans(Numbers flags) { return {Kind::suiEntryBoolean, flags, {}}; }

constexpr std::array<TableRow, kThemeEntryCount> kBuiltInThemeTable{{
    /*  1 */ Bitmaps({"MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON", "PROTEIN_BUTTON",
                      "BLUEGLASS_BUTTON"}),
    /*  2 */ Booleans({1, 0, 0, 0, 1}),
    /*  3 */ Bitmaps({"MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX", "PROTEIN_CHECKBOX",
                      "BLUEGLASS_CHECKBOX"}),
    /*  4 */ Bitmaps({"MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON", "DEEPBLUE_RADIOBUTTON",
                      "PROTEIN_RADIOBUTTON", "BLUEGLASS_RADIOBUTTON"}),
    /*  5 */ Bitmaps({"MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN", "PROTEIN_TITLEBTN",
                      "BLUEGLASS_TITLEBTN"}),
    /*  6 */ Booleans({0, 0, 0, 1, 1}),
    /*  7 */ Integers({3, 2, 0, 0, 4}),
    /*  8 */ Integers({-2, -2, 0, 0, -3}),
    /*  9 */ Integers({4, 5, 2, 2, 6}),
    /* 10 */ Bitmaps({"MACOS_TITLE_LEFT", "WINXP_TITLE_LEFT", "DEEPBLUE_TITLE_LEFT",
                      "PROTEIN_TITLE_LEFT", "BLUEGLASS_TITLE_LEFT"}),
    /* 11 */ Bitmaps({"MACOS_TITLE_CLIENT", "WINXP_TITLE_CLIENT", "DEEPBLUE_TITLE_CLIENT",
                      "PROTEIN_TITLE_CLIENT", "BLUEGLASS_TITLE_CLIENT"}),
    /* 12 */ Bitmaps({"MACOS_TITLE_RIGHT", "WINXP_TITLE_RIGHT", "DEEPBLUE_TITLE_RIGHT",
                      "PROTEIN_TITLE_RIGHT", "BLUEGLASS_TITLE_RIGHT"}),
    /* 13 */ Integers({130, 150, 130, 130, 270}),
    /* 14 */ Integers({0, 13, 0, 0, 11}),
    /* 15 */ Colors({0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}),
    /* 16 */ Colors({0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}),
    /* 17 */ Integers({1, 3, 1, 1, 1}),
    /* 18 */ Colors({0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E}),
    /* 19 */ Colors({0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}),
    /* 20 */ Colors({0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}),
    /* 21 */ Colors({0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}),
    /* 22 */ Colors({0x000000, 0x000000, 0x000000, 0x000000, 0x000000}),
    /* 23 */ Colors({0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6}),
    /* 24 */ Bitmaps({"MACOS_PROGRESSBAR", "WINXP_PROGRESSBAR", "DEEPBLUE_PROGRESSBAR",
                      "PROTEIN_PROGRESSBAR", "BLUEGLASS_PROGRESSBAR"}),
    /* 25 */ Colors({0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}),
    /* 26 */ Colors({0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}),
    /* 27 */ Colors({0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}),
    /* 28 */ Bitmaps({"MACOS_TRACKBAR_BAR", "WINXP_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_BAR",
                      "PROTEIN_TRACKBAR_BAR", "BLUEGLASS_TRACKBAR_BAR"}),
    /* 29 */ Bitmaps({"MACOS_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER", "DEEPBLUE_TRACKBAR_SLIDER",
                      "PROTEIN_TRACKBAR_SLIDER", "BLUEGLASS_TRACKBAR_SLIDER"}),
    /* 30 */ Bitmaps({"MACOS_TRACKBAR_SLIDER_V", "WINXP_TRACKBAR_SLIDER_V",
                      "DEEPBLUE_TRACKBAR_SLIDER_V", "PROTEIN_TRACKBAR_SLIDER_V",
                      "BLUEGLASS_TRACKBAR_SLIDER_V"}),
    /* 31 */ Colors({0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}),
    /* 32 */ Bitmaps({"MACOS_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_BUTTON",
                      "DEEPBLUE_SCROLLBAR_BUTTON", "PROTEIN_SCROLLBAR_BUTTON",
                      "BLUEGLASS_SCROLLBAR_BUTTON"}),
    /* 33 */ Bitmaps({"MACOS_SCROLLBAR_TRACK", "WINXP_SCROLLBAR_TRACK", "DEEPBLUE_SCROLLBAR_TRACK",
                      "PROTEIN_SCROLLBAR_TRACK", "BLUEGLASS_SCROLLBAR_TRACK"}),
    /* 34 */ Bitmaps({"MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST",
                      "PROTEIN_CHECKLIST", "BLUEGLASS_CHECKLIST"}),
    /* 35 */ Colors({0x474747, 0xC66931, 0x474747, 0x474747, 0x474747}),
    /* 36 */ Colors({0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF}),
    /* 37 */ Colors({0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}),
    /* 38 */ Bitmaps({"MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON",
                      "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON"}),
    /* 39 */ Bitmaps({"MACOS_TAB", "WINXP_TAB", "DEEPBLUE_TAB", "PROTEIN_TAB", "BLUEGLASS_TAB"}),
    /* 40 */ Bitmaps({"MACOS_TAB_LINE", "WINXP_TAB_LINE", "DEEPBLUE_TAB_LINE", "PROTEIN_TAB_LINE",
                      "BLUEGLASS_TAB_LINE"}),
    /* 41 */ Bitmaps({"MACOS_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_HANDLE",
                      "DEEPBLUE_SIDECHENNEL_HANDLE", "PROTEIN_SIDECHENNEL_HANDLE",
                      "BLUEGLASS_SIDECHENNEL_HANDLE"}),
    /* 42 */ Bitmaps({"MACOS_SIDECHENNEL_BAR", "WINXP_SIDECHENNEL_BAR", "DEEPBLUE_SIDECHENNEL_BAR",
                      "PROTEIN_SIDECHENNEL_BAR", "BLUEGLASS_SIDECHENNEL_BAR"}),
    /* 43 */ Bitmaps({"", "", "", "", ""}),
    /* 44 */ Colors({0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}),
    /* 45 */ Bitmaps({"", "", "", "", ""}),
    /* 46 */ Bitmaps({"", "", "", "", ""}),
    /* 47 */ Integers({0, 0, 0, 0, 0}),
    /* 48 */ Colors({0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}),
}};
// clang-format on

constexpr ThemeEntryValue kMissingEntry{Kind::suiEntryInteger, -1, {}};

}  // namespace

ThemeEntryValue LookupThemeEntry(TsuiUIStyle style, int index) {
    const int masked = static_cast<std::uint8_t>(style) & kThemeStyleMask;
    if (masked < 1 || masked > kBuiltInStyleCount || index < 1 || index > kThemeEntryCount) {
        return kMissingEntry;
    }
    const TableRow& row = kBuiltInThemeTable[index - 1];
    const int column = masked - 1;
    if (row.kind == Kind::suiEntryBitmap) return {row.kind, 0, row.names[column]};
    return {row.kind, row.numbers[column], {}};
}

bool GetThemeBoolean(TsuiUIStyle style, int index) {
    const ThemeEntryValue entry = LookupThemeEntry(style, index);
    return entry.kind == Kind::suiEntryBoolean && entry.value != 0;
}

TColor GetThemeColor(TsuiUIStyle style, int index) {
    const ThemeEntryValue entry = LookupThemeEntry(style, index);
    return entry.kind == Kind::suiEntryColor ? entry.value : 0;
}

std::int32_t GetThemeInteger(TsuiUIStyle style, int index) {
    const ThemeEntryValue entry = LookupThemeEntry(style, index);
    return entry.kind == Kind::suiEntryInteger ? entry.value : -1;
}

std::string_view ThemeBitmapName(TsuiUIStyle style, int index) {
    return LookupThemeEntry(style, index).bitmapName;
}

std::span<const std::string_view> BuiltInThemeBitmapNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (int style = 1; style <= kBuiltInStyleCount; ++style) {
            for (int index = 1; index <= kThemeEntryCount; ++index) {
                const std::string_view name =
                    ThemeBitmapName(static_cast<TsuiUIStyle>(style), index);
                if (name.empty()) continue;
                bool seen = false;
                for (std::string_view known : all) seen = seen || known == name;
                if (!seen) all.push_back(name);
            }
        }
        return all;
    }();
    return names;
}

ThemeSourceChoice ResolveThemeSource(const FileThemeSource* fileTheme, TsuiUIStyle uiStyle) {
    if (uiStyle != TsuiUIStyle::FromThemeFile) return {false, uiStyle};
    if (fileTheme != nullptr && fileTheme->Ready()) return {true, uiStyle};
    return {false, kFallbackUIStyle};
}

std::optional<StripFrame> StripFrameColumns(int stripWidth, int stripHeight, int frameCount,
                                            int frameIndex) {
    if (stripWidth < 0 || stripHeight < 0 || frameCount < 1 || frameIndex < 1 ||
        frameIndex > frameCount) {
        return std::nullopt;
    }
    const int frameWidth = stripWidth / frameCount;
    const int left =
        frameIndex == frameCount ? stripWidth - frameWidth : frameWidth * (frameIndex - 1);
    return StripFrame{left, frameWidth, stripHeight};
}

}  // namespace zelkova
