#pragma once
// The kit's five built-in looks: the style enumeration, the constant table of every themed
// element per style, the typed reads with their defaults, the choice between a skin file theme
// and the table, and the arithmetic of cutting a multi-state strip into frames.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "skin/ThemeSource.h"

namespace zelkova {

enum class TsuiUIStyle : std::uint8_t {
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5,
};

// The default style of a new control, and the look of FromThemeFile without a ready theme.
inline constexpr TsuiUIStyle kFallbackUIStyle = TsuiUIStyle::DeepBlue;

enum class TsuiThemeEntryKind : std::uint8_t {
    suiEntryInteger = 0,
    suiEntryColor = 1,
    suiEntryBitmap = 2,
    suiEntryBoolean = 3,
};

inline constexpr int kThemeEntryCount = 48;
inline constexpr int kBuiltInStyleCount = 5;
// Only the low seven bits of a style count in a table lookup.
inline constexpr std::uint8_t kThemeStyleMask = 0x7F;
// The key colour of transparent strips: 0xFF00FF, fuchsia.
inline constexpr TColor kThemeKeyColor = 0xFF00FF;

// Entry numbers of the table (1 to 48). Entries without a name are read by no control.
enum TsuiThemeEntry : int {
    teButtonImage = 1,
    teButtonTransparent = 2,
    teCheckBoxImage = 3,
    teRadioButtonImage = 4,
    teTitleButtonImage = 5,
    teTitleButtonTransparent = 6,
    teTitleLeftButtonOffset = 7,
    teTitleRightButtonOffset = 8,
    teTitleButtonTop = 9,
    teTitleLeftImage = 10,
    teTitleClientImage = 11,
    teTitleRightImage = 12,
    teFormMinWidth = 13,
    teFormRoundCorner = 14,
    teFormColor = 15,
    teFormBorderColor = 16,
    teFormBorderWidth = 17,
    teMenuSelectedBorderColor = 18,
    teMenuSelectedColor = 19,
    teMenuSelectedFontColor = 20,
    teMenuColor = 21,
    teMenuFontColor = 22,
    teMenuBarColor = 23,
    teProgressBarImage = 24,
    teControlBorderColor = 25,
    teControlFontColor = 27,
};

// One entry as the table holds it: a number (integer, colour or 0/1 flag) or a bitmap name.
struct ThemeEntryValue {
    TsuiThemeEntryKind kind = TsuiThemeEntryKind::suiEntryInteger;
    std::int32_t value = -1;
    std::string_view bitmapName;  // set only for suiEntryBitmap; may be empty
    friend constexpr bool operator==(const ThemeEntryValue&, const ThemeEntryValue&) = default;
};

// Entry index (1 to 48) of a built-in style. A masked style outside 1 to 5, and an index outside
// 1 to 48, give the value -1 of kind suiEntryInteger.
ThemeEntryValue LookupThemeEntry(TsuiUIStyle style, int index);

// Typed reads: the entry's value when its kind matches, else false, 0 (black) or -1.
bool GetThemeBoolean(TsuiUIStyle style, int index);
TColor GetThemeColor(TsuiUIStyle style, int index);
std::int32_t GetThemeInteger(TsuiUIStyle style, int index);

// The resource name of a bitmap entry, or empty when the entry is not a bitmap (or has none).
std::string_view ThemeBitmapName(TsuiUIStyle style, int index);

// Every distinct, non-empty bitmap resource name the table refers to, in table order
// (style by style, entry by entry). These are exactly the resources the program must link in.
std::span<const std::string_view> BuiltInThemeBitmapNames();

// Where a control takes its look from: the file theme, or the table with an effective style.
struct ThemeSourceChoice {
    bool useFileTheme = false;
    TsuiUIStyle style = kFallbackUIStyle;
    friend constexpr bool operator==(const ThemeSourceChoice&, const ThemeSourceChoice&) = default;
};

// A built-in style is used as it is, without looking at the file theme; FromThemeFile uses the
// file theme when it is given and Ready, and falls back to DeepBlue otherwise.
ThemeSourceChoice ResolveThemeSource(const FileThemeSource* fileTheme, TsuiUIStyle uiStyle);

// The part of a strip that frame frameIndex (from 1) of frameCount occupies: columns
// [left, left + width), every row.
struct StripFrame {
    int left = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const StripFrame&, const StripFrame&) = default;
};

// Frames are width / frameCount wide (rounded down); the last one sits flush with the right
// edge, so remainder columns lie before it and are never shown. No frame exists for a count or
// index below 1, an index past the count, or a negative size: the caller leaves its target alone.
std::optional<StripFrame> StripFrameColumns(int stripWidth, int stripHeight, int frameCount,
                                            int frameIndex);

}  // namespace zelkova
