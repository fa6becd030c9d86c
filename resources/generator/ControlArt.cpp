// Artwork of the kit's smaller controls: check boxes, radio buttons, progress bars, track bars,
// scroll bars, tabs and the side channel. The program shows none of them; they are drawn in
// each look all the same, so that the kit's resources are whole.
#include <algorithm>

#include "resources/generator/Art.h"
#include "resources/generator/Glyphs.h"

namespace zelkova::art {
namespace {

constexpr Rgb kWhite{255, 255, 255};

// A small face in the look: outline, body gradient, and a highlight for the glossy looks.
void Face(Canvas& c, Look look, const Region& outline, const Region& body, double top,
          double bottom, State state) {
    const StyleArt& art = ArtOf(look);
    c.Fill(outline, Solid(ForState(art.border, state == State::Hot ? State::Normal : state)));
    c.Fill(body, Vertical({{top, ForState(art.faceTop, state)},
                           {bottom, ForState(art.faceBottom, state)}}));
    if (art.glossy) {
        Highlight(c, RoundRect(0, top, c.Width(), top + (bottom - top) / 2, 0), top,
                  top + (bottom - top) / 2, 0.55, 0.1);
    }
}

Rgb DisabledOf(Rgb colour, Rgb background) { return Mix(colour, background, 0.55); }

}  // namespace

Canvas CheckBoxStrip(Look look, int fw, int h, bool flat) {
    const StyleArt& art = ArtOf(look);
    return SideBySide(fw, h, 4, [&](int i) {
        const bool checked = i % 2 == 1;
        const bool disabled = i >= 2;
        Canvas c(fw, h, art.form);
        const double box = std::min(fw, h) - (flat ? 2 : 0);
        const double l = (fw - box) / 2.0;
        const double t = (h - box) / 2.0;
        const double r = flat ? 0 : std::min(art.radius, box / 4);
        Face(c, look, RoundRect(l, t, l + box, t + box, r),
             RoundRect(l + 1, t + 1, l + box - 1, t + box - 1, std::max(0.0, r - 1)), t + 1,
             t + box - 1, State::Normal);
        if (look == Look::MacOS && checked) {  // aqua boxes turn blue when checked
            c.Fill(RoundRect(l + 1, t + 1, l + box - 1, t + box - 1, std::max(0.0, r - 1)),
                   Vertical({{t, Hex(0x8DBDF0)}, {t + box, Hex(0x3A78C8)}}));
        }
        if (checked) {
            const Rgb mark = look == Look::MacOS ? kWhite : art.glyph;
            c.Fill(CheckMark(l + 2, t + 2, box - 4, box >= 13 ? 2.0 : 1.6), Solid(mark));
        }
        if (disabled) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < fw; ++x) c.Set(x, y, DisabledOf(c.At(x, y), art.form));
        }
        return c;
    });
}

Canvas RadioButtonStrip(Look look, int fw, int h) {
    const StyleArt& art = ArtOf(look);
    return SideBySide(fw, h, 4, [&](int i) {
        const bool checked = i % 2 == 1;
        const bool disabled = i >= 2;
        Canvas c(fw, h, art.form);
        const double d = std::min(fw, h) - (h > 13 ? 2 : 0);
        const double l = (fw - d) / 2.0;
        const double t = (h - d) / 2.0;
        Face(c, look, Ellipse(l, t, l + d, t + d), Ellipse(l + 1, t + 1, l + d - 1, t + d - 1),
             t + 1, t + d - 1, State::Normal);
        if (checked) {
            const double dot = d * 0.38;
            const double dl = l + (d - dot) / 2;
            const double dt = t + (d - dot) / 2;
            c.Fill(Ellipse(dl, dt, dl + dot, dt + dot),
                   Solid(look == Look::WinXP ? art.accent : art.glyph));
        }
        if (disabled) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < fw; ++x) c.Set(x, y, DisabledOf(c.At(x, y), art.form));
        }
        return c;
    });
}

Canvas ProgressBarTile(Look look, int w, int h) {
    const StyleArt& art = ArtOf(look);
    Canvas c(w, h, art.form);
    switch (look) {
        case Look::MacOS:  // aqua barber-pole stripes, one period per tile
            c.Fill(RoundRect(0, 0, w, h, 0), [&](int x, int y) {
                const int phase = ((x + y) % w + w) % w;
                const Rgb base = phase < w / 2 ? Hex(0x3B86D8) : Hex(0x6FAEEE);
                return y < h / 2 ? Mix(base, kWhite, 0.45 - 0.08 * y) : base;
            });
            break;
        case Look::WinXP:  // green chunks with a one-pixel gap
            c.Fill(
                RoundRect(0, 0, w - 1, h, 0),
                Vertical({{0, Hex(0xA6EBA0)}, {h / 2.0, Hex(0x2FC22A)}, {h - 1.0, Hex(0x54D04E)}}));
            c.Fill(RoundRect(w - 1, 0, w, h, 0), Solid(Hex(0xFFFFFF)));
            break;
        default:
            c.Fill(RoundRect(0, 0, w, h, 0), Vertical({{0, Mix(art.accent, kWhite, 0.55)},
                                                       {h / 2.0 - 1, art.accent},
                                                       {h - 1.0, Mix(art.accent, kWhite, 0.25)}}));
            if (art.glossy) Highlight(c, RoundRect(0, 0, w, h / 2.0, 0), 0, h / 2.0, 0.5, 0.15);
            break;
    }
    return c;
}

Canvas TrackBarGroove(Look look, int w, int h) {
    const StyleArt& art = ArtOf(look);
    Canvas c(w, h, art.form);
    c.Fill(RoundRect(0, 0, w, h, h / 2.0), Solid(Mix(art.border, art.form, 0.3)));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, h / 2.0 - 1),
           Vertical({{1, Mix(art.faceBottom, Hex(0x000000), 0.15)}, {h - 1.0, art.faceTop}}));
    return c;
}

Canvas TrackBarThumbs(Look look, int fw, int h, bool vertical) {
    const StyleArt& art = ArtOf(look);
    return SideBySide(fw, h, 3, [&](int i) {
        Canvas c(fw, h, art.form);
        const double r = std::min({art.radius + 1, fw / 2.0, h / 2.0});
        Face(c, look, RoundRect(0, 0, fw, h, r), RoundRect(1, 1, fw - 1, h - 1, r - 1), 1, h - 1,
             kStates[i]);
        // Grip lines across the thumb's long side.
        const Rgb grip = Mix(art.border, art.form, 0.35);
        for (int k = -1; k <= 1; ++k) {
            if (vertical) {
                const double x = fw / 2.0 + 2 * k;
                c.Fill(RoundRect(x - 0.5, 3, x + 0.5, h - 3, 0), Solid(grip));
            } else {
                const double y = h / 2.0 + 2 * k;
                c.Fill(RoundRect(3, y - 0.5, fw - 3, y + 0.5, 0), Solid(grip));
            }
        }
        return c;
    });
}

Canvas ScrollBarButtons(Look look, int s) {
    const StyleArt& art = ArtOf(look);
    constexpr Arrow kArrows[] = {Arrow::Up, Arrow::Down, Arrow::Left, Arrow::Right};
    return SideBySide(s, s, 12, [&](int i) {
        Canvas c(s, s, art.form);
        const double r = std::min(art.radius, s / 4.0);
        Face(c, look, RoundRect(0, 0, s, s, r), RoundRect(1, 1, s - 1, s - 1, std::max(0.0, r - 1)),
             1, s - 1, kStates[i % 3]);
        const double shift = kStates[i % 3] == State::Pressed ? 1 : 0;
        c.Fill(ArrowRegion(kArrows[i / 3], 3 + shift, 3 + shift, s - 6), Solid(art.glyph));
        return c;
    });
}

Canvas ScrollBarTrack(Look look, int s) {
    const StyleArt& art = ArtOf(look);
    return SideBySide(s, s, 3, [&](int i) {
        Canvas c(s, s, Mix(art.form, art.faceBottom, 0.5));
        if (i == 0) {  // the track itself: a shallow channel
            c.Fill(RoundRect(0, 0, s, 1, 0), Solid(Mix(art.border, art.form, 0.6)));
            return c;
        }
        const State state = i == 1 ? State::Normal : State::Hot;
        const double r = std::min(art.radius + 1, s / 3.0);
        Face(c, look, RoundRect(1, 0, s - 1, s, r),
             RoundRect(2, 1, s - 2, s - 1, std::max(0.0, r - 1)), 1, s - 1, state);
        return c;
    });
}

Canvas MenuScrollButtons(Look look, int fw, int h) {
    const StyleArt& art = ArtOf(look);
    return SideBySide(fw, h, 2, [&](int i) {
        Canvas c(fw, h, Mix(art.form, kWhite, 0.5));
        const double s = std::min(fw, h);
        c.Fill(ArrowRegion(i == 0 ? Arrow::Up : Arrow::Down, (fw - s) / 2.0, (h - s) / 2.0, s),
               Solid(art.glyph));
        return c;
    });
}

Canvas TabStrip(Look look, int fw, int h) {
    const StyleArt& art = ArtOf(look);
    return SideBySide(fw, h, 3, [&](int i) {
        // Inactive, under the mouse, and selected: the selected tab is taller and open at the
        // bottom, joining the page.
        Canvas c(fw, h, art.form);
        const double top = i == 2 ? 0 : 2;
        const double r = std::max(2.0, art.radius);
        const State state = i == 1 ? State::Hot : State::Normal;
        c.Fill(RoundRect(0, top, fw, h + r, r), Solid(art.border));
        c.Fill(RoundRect(1, top + 1, fw - 1, h + r, r - 1),
               Vertical({{top + 1, ForState(i == 2 ? kWhite : art.faceTop, state)},
                         {h - 1.0, ForState(i == 2 ? art.faceTop : art.faceBottom, state)}}));
        if (look == Look::WinXP && i != 0) {  // Luna marks the hot and selected tab in orange
            c.Fill(RoundRect(1, top, fw - 1, top + 3, r - 1), Solid(Hex(0xFFC83C)));
        }
        if (i != 2) c.Fill(RoundRect(0, h - 1, fw, h, 0), Solid(art.border));
        return c;
    });
}

Canvas TabLine(Look look, int w, int h) {
    const StyleArt& art = ArtOf(look);
    Canvas c(w, h, art.faceTop);
    c.Fill(RoundRect(0, 0, w, 1, 0), Solid(art.border));
    return c;
}

Canvas SideChannelHandle(Look look, int fw, int h) {
    const StyleArt& art = ArtOf(look);
    return SideBySide(fw, h, 3, [&](int i) {
        Canvas c(fw, h, art.form);
        Face(c, look, RoundRect(0, 0, fw, h, 2), RoundRect(1, 1, fw - 1, h - 1, 1), 1, h - 1,
             kStates[i]);
        for (int k = 0; k < 5; ++k) {  // a column of grip dots
            const double y = h / 2.0 - 8 + 4 * k;
            c.Fill(Ellipse(fw / 2.0 - 1, y - 1, fw / 2.0 + 1, y + 1), Solid(art.glyph));
        }
        return c;
    });
}

Canvas SideChannelBar(Look look, int w, int h) {
    const StyleArt& art = ArtOf(look);
    Canvas c(w, h, art.form);
    c.Fill(RoundRect(0, 0, w, h, 0),
           Vertical({{0, art.titleTop}, {h - 2.0, art.titleBottom}, {h - 1.0, art.border}}));
    if (art.glossy) Highlight(c, RoundRect(0, 0, w, h / 2.0, 0), 0, h / 2.0, 0.4, 0.1);
    return c;
}

}  // namespace zelkova::art
