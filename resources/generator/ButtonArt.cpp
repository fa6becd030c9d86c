// The push button faces. Every face is drawn for the nine-part stretch that shows it: the middle
// column (two for odd widths) and the rows h(SH) and SH - h(SH) are what grow, so those rows
// are painted alike and nothing but the rounded ends changes from column to column.
#include <algorithm>
#include <vector>

#include "resources/generator/Art.h"

namespace zelkova::art {
namespace {

using Stops = std::vector<std::pair<double, Rgb>>;

constexpr Rgb kWhite{255, 255, 255};

// A gel face: outline in the border colour, a body gradient, a glossy highlight over the upper
// part. Transparent looks turn everything outside the outline into the key colour.
struct Gel {
    double radius = 0;
    Rgb border{};
    Stops body{};
    double highlightBottom = 0;  // last row of the highlight
    double shineTop = 0;
    double shineBottom = 0;
    bool keyed = false;
};

Canvas PaintGel(int w, int h, Rgb background, const Gel& gel) {
    Canvas c(w, h, background);
    const Region outline = RoundRect(0, 0, w, h, gel.radius);
    c.Fill(outline, Solid(gel.border));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, gel.radius - 1), Vertical(gel.body));
    Highlight(c, RoundRect(3, 1.5, w - 3, gel.highlightBottom, gel.radius - 3), 1.5,
              gel.highlightBottom, gel.shineTop, gel.shineBottom);
    if (gel.keyed) c.KeyOutside(outline);
    return c;
}

Canvas MacFace(int w, int h, State state) {
    // Normal is the white "graphite" pill, hover the aqua blue one, pressed a deeper aqua.
    const double mid = h / 2;  // rows mid - 1 .. mid + 2 stay flat
    Gel gel{.radius = 10, .keyed = true};
    switch (state) {
        case State::Normal:
            gel.border = Hex(0x858585);
            gel.body = {{1, Hex(0xF4F4F4)},
                        {mid - 1, Hex(0xDCDCDC)},
                        {mid + 2, Hex(0xDCDCDC)},
                        {h - 1.5, Hex(0xFCFCFC)}};
            gel.shineTop = 0.9, gel.shineBottom = 0.35;
            break;
        case State::Hot:
            gel.border = Hex(0x2F62AE);
            gel.body = {{1, Hex(0x8DBDF0)},
                        {mid - 1, Hex(0x5497E2)},
                        {mid + 2, Hex(0x5497E2)},
                        {h - 1.5, Hex(0xB8E6FF)}};
            gel.shineTop = 0.85, gel.shineBottom = 0.3;
            break;
        case State::Pressed:
            gel.border = Hex(0x1D4485);
            gel.body = {{1, Hex(0x5E91D6)},
                        {mid - 1, Hex(0x3A78C8)},
                        {mid + 2, Hex(0x3A78C8)},
                        {h - 1.5, Hex(0x86C2F2)}};
            gel.shineTop = 0.6, gel.shineBottom = 0.15;
            break;
    }
    gel.highlightBottom = mid - 0.5;
    return PaintGel(w, h, ArtOf(Look::MacOS).form, gel);
}

Canvas XpFace(int w, int h, State state) {
    const double mid = h / 2;  // rows mid and mid + 1 are stretched
    Canvas c(w, h, ArtOf(Look::WinXP).form);
    c.Fill(RoundRect(0, 0, w, h, 3), Solid(Hex(0x003C74)));
    const Region body = RoundRect(1, 1, w - 1, h - 1, 2);
    if (state == State::Pressed) {
        c.Fill(body, Vertical({{1, Hex(0xDCDBD3)},
                               {4, Hex(0xE6E5DF)},
                               {mid, Hex(0xEDECE7)},
                               {mid + 1, Hex(0xEDECE7)},
                               {h - 2.0, Hex(0xF3F2EE)}}));
        return c;
    }
    c.Fill(body, Vertical({{1, Hex(0xFFFFFF)},
                           {mid, Hex(0xF5F4EF)},
                           {mid + 1, Hex(0xF5F4EF)},
                           {h - 5.0, Hex(0xEDECE6)},
                           {h - 2.0, Hex(0xD6D0C5)}}));
    if (state == State::Hot) {
        // The orange glow of a hot Luna button, two pixels inside the blue outline.
        c.Fill(Subtract(body, RoundRect(3, 3, w - 3, h - 3, 1)),
               Vertical({{1, Hex(0xFFF0CF)},
                         {mid, Hex(0xFBCB70)},
                         {mid + 1, Hex(0xFBCB70)},
                         {h - 2.0, Hex(0xE5971F)}}));
    }
    return c;
}

Canvas DeepBlueFace(int w, int h, State state) {
    // A steel-blue face in a navy frame, raised by a one-pixel bevel, with a lighter band across
    // its upper part that ends above the stretched rows; pressed sinks it.
    Canvas c(w, h, ArtOf(Look::DeepBlue).form);
    const Rgb frame = state == State::Hot ? Hex(0x1C4AA8) : Hex(0x0A2060);
    const Rgb face = state == State::Hot       ? Hex(0xD2DEF5)
                     : state == State::Pressed ? Hex(0xA3B8E2)
                                               : Hex(0xBCCBEB);
    const Rgb light = state == State::Pressed ? Hex(0x6A82B8) : Hex(0xFFFFFF);
    const Rgb dark = state == State::Pressed ? Hex(0xD2DEF5) : Hex(0x6A82B8);
    c.Fill(RoundRect(0, 0, w, h, 2), Solid(frame));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, 0), Solid(dark));
    c.Fill(RoundRect(1, 1, w - 2, h - 2, 0), Solid(light));
    c.Fill(RoundRect(2, 2, w - 2, h - 2, 0), Solid(face));
    const double band = h / 2 - 1;  // the last band row stays above row h(SH)
    c.Fill(RoundRect(2, state == State::Pressed ? 3 : 2, w - 2, band, 0),
           Solid(Mix(face, Hex(0xFFFFFF), 0.3)));
    return c;
}

Canvas ProteinFace(int w, int h, State state) {
    // Light grey gel; the mouse turns it pale green and a press deepens the green.
    const double mid = h / 2;
    Gel gel{.radius = 5, .highlightBottom = mid - 1, .keyed = false};
    switch (state) {
        case State::Normal:
            gel.border = Hex(0x8A9E86);
            gel.body = {{1, Hex(0xFFFFFF)},
                        {mid, Hex(0xEEF1ED)},
                        {mid + 1, Hex(0xEEF1ED)},
                        {h - 4.0, Hex(0xE1E7DF)},
                        {h - 1.5, Hex(0xEEF6EA)}};
            break;
        case State::Hot:
            gel.border = Hex(0x5E9A48);
            gel.body = {{1, Hex(0xF2FBEC)},
                        {mid, Hex(0xD3EEC4)},
                        {mid + 1, Hex(0xD3EEC4)},
                        {h - 4.0, Hex(0xBEE3A8)},
                        {h - 1.5, Hex(0xDDF5CF)}};
            break;
        case State::Pressed:
            gel.border = Hex(0x3F7A2A);
            gel.body = {{1, Hex(0xB3DA9C)},
                        {mid, Hex(0x9ACB7E)},
                        {mid + 1, Hex(0x9ACB7E)},
                        {h - 4.0, Hex(0x8BC36C)},
                        {h - 1.5, Hex(0xA7D690)}};
            break;
    }
    gel.shineTop = state == State::Pressed ? 0.35 : 0.75;
    gel.shineBottom = 0.1;
    return PaintGel(w, h, ArtOf(Look::Protein).form, gel);
}

Canvas GlassFace(int w, int h, State state) {
    // Glossy glass: a pale upper half over a deeper blue lower half, split just above the
    // stretched rows, with a glow along the bottom.
    const double split = h / 2;  // row h(SH): the first row of the lower half
    Gel gel{.radius = 6, .highlightBottom = split - 0.2, .keyed = true};
    Rgb top, upper, lower, glow;
    switch (state) {
        case State::Normal:
            gel.border = Hex(0x1E3C78);
            top = Hex(0xCCE0F9), upper = Hex(0xA6C6EF), lower = Hex(0x6E9FE0), glow = Hex(0xA9D7FF);
            break;
        case State::Hot:
            gel.border = Hex(0x1B58AE);
            top = Hex(0xDCF0FF), upper = Hex(0xB4DAFB), lower = Hex(0x6DB3F2), glow = Hex(0xC2F2FF);
            break;
        case State::Pressed:
            gel.border = Hex(0x10285A);
            top = Hex(0x9CB7E3), upper = Hex(0x7EA1D9), lower = Hex(0x4A7BC3), glow = Hex(0x7FB6EE);
            break;
    }
    gel.body = {{1, top},
                {split - 1, upper},
                {split, lower},
                {split + 1, lower},
                {h - 6.0, Mix(lower, glow, 0.25)},
                {h - 1.5, glow}};
    gel.shineTop = state == State::Pressed ? 0.45 : 0.7;
    gel.shineBottom = 0.2;
    return PaintGel(w, h, ArtOf(Look::BlueGlass).form, gel);
}

}  // namespace

void Highlight(Canvas& canvas, const Region& region, double top, double bottom, double strengthTop,
               double strengthBottom) {
    const Canvas before = canvas;
    canvas.Fill(region, [&](int x, int y) {
        const double t = bottom > top ? (y + 0.5 - top) / (bottom - top) : 0;
        const double strength =
            strengthTop + (strengthBottom - strengthTop) * std::clamp(t, 0.0, 1.0);
        return Mix(before.At(x, y), kWhite, strength);
    });
}

Canvas ButtonStrip(Look look, int frameWidth, int height) {
    return SideBySide(frameWidth, height, 3, [&](int i) {
        const State state = kStates[i];
        switch (look) {
            case Look::MacOS: return MacFace(frameWidth, height, state);
            case Look::WinXP: return XpFace(frameWidth, height, state);
            case Look::DeepBlue: return DeepBlueFace(frameWidth, height, state);
            case Look::Protein: return ProteinFace(frameWidth, height, state);
            case Look::BlueGlass: return GlassFace(frameWidth, height, state);
        }
        return DeepBlueFace(frameWidth, height, state);
    });
}

}  // namespace zelkova::art
