// Title bar artwork: the bar pieces and the caption buttons that sit on them.
#include <algorithm>

#include "resources/generator/Art.h"
#include "resources/generator/Glyphs.h"

namespace zelkova::art {
namespace {

constexpr Rgb kWhite{255, 255, 255};

// The bar's vertical gradient; row 0 is the top of the bar.
Paint TitlePaint(Look look, int h, int firstRow) {
    const double m = h / 2.0;
    Paint bar;
    switch (look) {
        case Look::MacOS:  // brushed metal
            bar = Vertical({{0, Hex(0xFAFAFA)},
                            {1, Hex(0xEDEDED)},
                            {h - 2.0, Hex(0xC6C6C6)},
                            {h - 1.0, Hex(0x8C8C8C)}});
            break;
        case Look::WinXP:  // Luna blue with its light upper rim
            bar = Vertical({{0, Hex(0x0831D9)},
                            {1, Hex(0x3D95FF)},
                            {3, Hex(0x2E84FB)},
                            {7, Hex(0x0A66F0)},
                            {h - 6.0, Hex(0x0055E5)},
                            {h - 2.0, Hex(0x0046CF)},
                            {h - 1.0, Hex(0x00339E)}});
            break;
        case Look::DeepBlue:
            bar = Vertical({{0, Hex(0x5B7FC4)},
                            {1, Hex(0x30559E)},
                            {m, Hex(0x1A3A80)},
                            {h - 2.0, Hex(0x0B1F5C)},
                            {h - 1.0, Hex(0x050F30)}});
            break;
        case Look::Protein:
            bar = Vertical({{0, Hex(0xFFFFFF)},
                            {m - 1, Hex(0xF1F1F1)},
                            {m, Hex(0xE3E7E2)},
                            {h - 2.0, Hex(0xD8DDD7)},
                            {h - 1.0, Hex(0x9FB09B)}});
            break;
        case Look::BlueGlass:
            bar = Vertical({{0, Hex(0xB8D6FA)},
                            {m - 1, Hex(0x6FA3E6)},
                            {m, Hex(0x2F62B4)},
                            {h - 4.0, Hex(0x1D4C9A)},
                            {h - 2.0, Hex(0x3F73C4)},
                            {h - 1.0, Hex(0x0F2A5A)}});
            break;
    }
    return [bar, firstRow](int x, int y) { return bar(x, y + firstRow); };
}

Rgb FrameColour(Look look) {
    switch (look) {
        case Look::MacOS: return Hex(0x7F7F7F);
        case Look::WinXP: return Hex(0x002CC8);
        default: return Hex(0x000000);
    }
}

double TitleCornerRadius(Look look) {
    switch (look) {
        case Look::MacOS: return 5;
        case Look::WinXP: return 8;
        case Look::BlueGlass: return 11;
        default: return 0;
    }
}

// A bar piece: the gradient, the window frame's colour outside the rounded top corner, and an
// optional decoration on top.
Canvas Bar(Look look, int w, int h, bool roundLeft, bool roundRight) {
    Canvas c(w, h, FrameColour(look));
    const double r = TitleCornerRadius(look);
    Region shape = RoundRect(0, 0, w, h, 0);
    if (r > 0 && roundLeft)
        shape =
            Subtract(shape, Subtract(RoundRect(0, 0, r, r, 0), RoundRect(0, 0, 2 * r, h + r, r)));
    if (r > 0 && roundRight)
        shape = Subtract(
            shape, Subtract(RoundRect(w - r, 0, w, r, 0), RoundRect(w - 2 * r, 0, w, h + r, r)));
    c.Fill(shape, TitlePaint(look, h, 0));
    return c;
}

struct ButtonColours {
    Rgb border;
    Rgb top;
    Rgb bottom;
    Rgb glyph;
};

ButtonColours TitleButtonColours(Look look, Glyph glyph, State state) {
    const bool close = glyph == Glyph::Close;
    ButtonColours c{};
    switch (look) {
        case Look::MacOS: {  // traffic lights
            const Rgb base = glyph == Glyph::Close                                 ? Hex(0xFF5F57)
                             : glyph == Glyph::Minimise                            ? Hex(0xFEBC2E)
                             : glyph == Glyph::Maximise || glyph == Glyph::Restore ? Hex(0x28C840)
                                                                                   : Hex(0xA9A9A9);
            c = {Scale(base, 0.72), Scale(base, 1.35), base, Scale(base, 0.35)};
            break;
        }
        case Look::WinXP:
            c = close ? ButtonColours{kWhite, Hex(0xE8866A), Hex(0xC4401C), kWhite}
                      : ButtonColours{kWhite, Hex(0x6AA6FF), Hex(0x1D5FE0), kWhite};
            break;
        case Look::DeepBlue:
            c = close ? ButtonColours{Hex(0x7D9AD8), Hex(0xB03434), Hex(0x8A2222), kWhite}
                      : ButtonColours{Hex(0x7D9AD8), Hex(0x2A4C96), Hex(0x1A3A80), kWhite};
            break;
        case Look::Protein: c = {Hex(0x7E937B), Hex(0xFAFAFA), Hex(0xD6DCD5), Hex(0x3F5A38)}; break;
        case Look::BlueGlass:
            c = close ? ButtonColours{Hex(0x5A1410), Hex(0xF2A090), Hex(0xC8382A), kWhite}
                      : ButtonColours{Hex(0x0F2A5A), Hex(0x9CC4F4), Hex(0x3A72C8), kWhite};
            break;
    }
    if (look == Look::Protein && state != State::Normal) {
        c.top = state == State::Hot ? Hex(0xE4F6DA) : Hex(0xA8D68E);
        c.bottom = state == State::Hot ? Hex(0xB6E09E) : Hex(0x7DB862);
    } else if (look != Look::MacOS) {
        c.top = ForState(c.top, state);
        c.bottom = ForState(c.bottom, state);
    } else if (state == State::Pressed) {
        c.top = Scale(c.top, 0.85);
        c.bottom = Scale(c.bottom, 0.8);
    }
    return c;
}

Canvas TitleButton(Look look, int s, int titleTop, int titleHeight, Glyph glyph, State state) {
    Canvas c(s, s, {0, 0, 0});
    c.Fill(RoundRect(0, 0, s, s, 0), TitlePaint(look, titleHeight, titleTop));
    const ButtonColours colours = TitleButtonColours(look, glyph, state);
    Region outline = RoundRect(0, 0, s, s, 0);
    Region body = RoundRect(1, 1, s - 1, s - 1, 0);
    bool drawGlyph = true;
    double glyphInset = s * 0.3;
    switch (look) {
        case Look::MacOS:
            outline = Ellipse(2, 2, s - 2, s - 2);
            body = Ellipse(3, 3, s - 3, s - 3);
            drawGlyph = state != State::Normal;  // the symbol shows under the mouse only
            glyphInset = s * 0.34;
            break;
        case Look::WinXP:
            outline = RoundRect(0, 0, s, s, 3);
            body = RoundRect(1, 1, s - 1, s - 1, 2);
            break;
        case Look::DeepBlue:
            outline = RoundRect(1, 1, s - 1, s - 1, 0);
            body = RoundRect(2, 2, s - 2, s - 2, 0);
            break;
        case Look::Protein:
        case Look::BlueGlass:
            outline = RoundRect(0, 0, s, s, 4);
            body = RoundRect(1, 1, s - 1, s - 1, 3);
            break;
    }
    c.Fill(outline, Solid(colours.border));
    c.Fill(body, Vertical({{1, colours.top}, {s - 2.0, colours.bottom}}));
    if (look != Look::DeepBlue) {
        Highlight(c, Ellipse(s * 0.22, 1.5, s * 0.78, s * 0.5), 1.5, s * 0.5, 0.6, 0.1);
    }
    if (drawGlyph) {
        const double stroke = s >= 21 ? 2.5 : s >= 19 ? 2.0 : 1.6;
        c.Fill(GlyphRegion(glyph, glyphInset, glyphInset, s - 2 * glyphInset, stroke),
               Solid(colours.glyph));
    }
    // Styles whose caption buttons are drawn transparent key out what lies outside them.
    if (look == Look::Protein || look == Look::BlueGlass) c.KeyOutside(outline);
    return c;
}

}  // namespace

Canvas TitleButtonStrip(Look look, int size, int titleTop, int titleHeight) {
    return SideBySide(size, size, 18, [&](int i) {
        return TitleButton(look, size, titleTop, titleHeight, kTitleGlyphs[i / 3], kStates[i % 3]);
    });
}

Canvas TitleLeft(Look look, int w, int h) {
    Canvas c = Bar(look, w, h, true, false);
    switch (look) {
        case Look::DeepBlue:  // a lighter wedge behind the window icon
            Highlight(
                c, [=](double x, double y) { return x < w * 0.75 - y * 0.8 && y < h - 1; }, 0, h,
                0.18, 0.08);
            break;
        case Look::Protein: {  // a green gel capsule behind the icon and caption, fading out
            const double right = std::min(w - 4.0, 190.0);
            const Region capsule = RoundRect(3, 3, right, h - 3, (h - 6) / 2.0);
            c.Fill(capsule, [&](int x, int y) {
                const Rgb gel = Mix(Hex(0xB9E3A3), Hex(0x6DB84E), (y - 3.0) / (h - 6.0));
                const double fade = std::clamp((x - (right - 70)) / 70.0, 0.0, 1.0);
                return Mix(gel, c.At(x, y), fade);
            });
            Highlight(c, RoundRect(6, 3.5, right - 30, h / 2.0, 4), 3.5, h / 2.0, 0.6, 0.1);
            break;
        }
        case Look::BlueGlass:  // a bright glow where the icon sits
            Highlight(c, Ellipse(5, 4, 31, h - 6), 4, h - 6, 0.22, 0.0);
            break;
        default: break;
    }
    return c;
}

Canvas TitleClient(Look look, int w, int h) { return Bar(look, w, h, false, false); }

Canvas TitleRight(Look look, int w, int h) {
    Canvas c = Bar(look, w, h, false, true);
    if (look == Look::DeepBlue) {  // the wedge behind the caption buttons
        Highlight(
            c, [=](double x, double y) { return x > w * 0.25 + y * 0.8 && y < h - 1; }, 0, h, 0.18,
            0.08);
    }
    return c;
}

}  // namespace zelkova::art
