#include "resources/generator/Styles.h"

namespace zelkova::art {
namespace {

constexpr StyleArt kMacOS{
    .prefix = "MACOS",
    .form = Hex(0xE7E7E7),
    .border = Hex(0x7A7A7A),
    .faceTop = Hex(0xFDFDFD),
    .faceBottom = Hex(0xDADADA),
    .accent = Hex(0x3B86D8),
    .accentLight = Hex(0xA9D0F5),
    .glyph = Hex(0x2E2E2E),
    .titleTop = Hex(0xEDEDED),
    .titleBottom = Hex(0xC4C4C4),
    .titleGlyph = Hex(0x4A1A10),
    .radius = 3.5,
    .glossy = true,
};

constexpr StyleArt kWinXP{
    .prefix = "WINXP",
    .form = Hex(0xEFEBDE),
    .border = Hex(0x003C74),
    .faceTop = Hex(0xFFFFFF),
    .faceBottom = Hex(0xE3E2DA),
    .accent = Hex(0x21A121),
    .accentLight = Hex(0xB9F0AE),
    .glyph = Hex(0x21A121),
    .titleTop = Hex(0x3D95FF),
    .titleBottom = Hex(0x0054E3),
    .titleGlyph = Hex(0xFFFFFF),
    .radius = 2.5,
    .glossy = false,
};

constexpr StyleArt kDeepBlue{
    .prefix = "DEEPBLUE",
    .form = Hex(0xE8E8E8),
    .border = Hex(0x0A2060),
    .faceTop = Hex(0xE6ECF7),
    .faceBottom = Hex(0xC9D5EC),
    .accent = Hex(0x2448A0),
    .accentLight = Hex(0x7D9AD8),
    .glyph = Hex(0x0A2060),
    .titleTop = Hex(0x30559E),
    .titleBottom = Hex(0x0B1F5C),
    .titleGlyph = Hex(0xFFFFFF),
    .radius = 1.0,
    .glossy = false,
};

constexpr StyleArt kProtein{
    .prefix = "PROTEIN",
    .form = Hex(0xFBFBFB),
    .border = Hex(0x7E937B),
    .faceTop = Hex(0xFAFAFA),
    .faceBottom = Hex(0xE0E6DF),
    .accent = Hex(0x5DAA3F),
    .accentLight = Hex(0xC7EBB4),
    .glyph = Hex(0x3F7A2A),
    .titleTop = Hex(0xF6F6F6),
    .titleBottom = Hex(0xD8DDD7),
    .titleGlyph = Hex(0x3F5A38),
    .radius = 4.0,
    .glossy = true,
};

constexpr StyleArt kBlueGlass{
    .prefix = "BLUEGLASS",
    .form = Hex(0xE7E7E7),
    .border = Hex(0x1E3C78),
    .faceTop = Hex(0xD8E6FA),
    .faceBottom = Hex(0x8CB4E8),
    .accent = Hex(0x2E74D0),
    .accentLight = Hex(0x9CD2FF),
    .glyph = Hex(0x16305F),
    .titleTop = Hex(0x6FA3E6),
    .titleBottom = Hex(0x1D4C9A),
    .titleGlyph = Hex(0xFFFFFF),
    .radius = 3.0,
    .glossy = true,
};

}  // namespace

const StyleArt& ArtOf(Look look) {
    switch (look) {
        case Look::MacOS: return kMacOS;
        case Look::WinXP: return kWinXP;
        case Look::DeepBlue: return kDeepBlue;
        case Look::Protein: return kProtein;
        case Look::BlueGlass: return kBlueGlass;
    }
    return kDeepBlue;
}

Rgb ForState(Rgb colour, State state) {
    switch (state) {
        case State::Normal: return colour;
        case State::Hot: return Scale(colour, 1.25);
        case State::Pressed: return Scale(colour, 0.82);
    }
    return colour;
}

}  // namespace zelkova::art
