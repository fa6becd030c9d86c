#include "resources/generator/Glyphs.h"

#include <algorithm>
#include <cmath>

namespace zelkova::art {
namespace {

Region Frame(double l, double t, double r, double b, double stroke, double topStroke) {
    return Subtract(RoundRect(l, t, r, b, 0),
                    RoundRect(l + stroke, t + topStroke, r - stroke, b - stroke, 0));
}

}  // namespace

Region GlyphRegion(Glyph glyph, double l, double t, double s, double w) {
    const double r = l + s;
    const double b = t + s;
    switch (glyph) {
        case Glyph::Close:
            return Union(Segment(l + w / 2, t + w / 2, r - w / 2, b - w / 2, w),
                         Segment(r - w / 2, t + w / 2, l + w / 2, b - w / 2, w));
        case Glyph::Maximise: return Frame(l, t, r, b, std::max(1.0, w - 1), w);
        case Glyph::Minimise: return RoundRect(l + 1, b - w, r - 1, b, 0);
        case Glyph::Restore: {
            const double inner = s * 0.7;
            return Union(Frame(r - inner, t, r, t + inner, std::max(1.0, w - 1), w),
                         Frame(l, b - inner, l + inner, b, std::max(1.0, w - 1), w));
        }
        case Glyph::Help: {
            // A question mark: the upper arc of a ring, a stem and a dot.
            const double cx = l + s / 2;
            const double ro = s * 0.36;
            const double ri = ro - w;
            const double cy = t + ro;
            Region hook = [=](double x, double y) {
                const double dx = x - cx;
                const double dy = y - cy;
                const double d2 = dx * dx + dy * dy;
                return d2 <= ro * ro && d2 >= ri * ri && (dy <= 0 || dx >= 0);
            };
            Region stem = Segment(cx, cy + ro - w / 2, cx, b - s * 0.3, w);
            Region dot = RoundRect(cx - w / 2, b - w, cx + w / 2, b, 0);
            return Union(Union(hook, stem), dot);
        }
        case Glyph::RollUp:
            return Union(Segment(l + w / 2, t + s * 0.7, l + s / 2, t + s * 0.3, w),
                         Segment(l + s / 2, t + s * 0.3, r - w / 2, t + s * 0.7, w));
    }
    return RoundRect(0, 0, 0, 0, 0);
}

Region ArrowRegion(Arrow arrow, double l, double t, double s) {
    return [=](double x, double y) {
        // Work in the frame of an upward arrow: u across, v down from the tip.
        double u = 0;
        double v = 0;
        switch (arrow) {
            case Arrow::Up:
                u = x - l;
                v = y - t;
                break;
            case Arrow::Down:
                u = x - l;
                v = (t + s) - y;
                break;
            case Arrow::Left:
                u = y - t;
                v = x - l;
                break;
            case Arrow::Right:
                u = y - t;
                v = (l + s) - x;
                break;
        }
        const double height = s / 2;
        const double top = s / 4;
        if (v < top || v > top + height) return false;
        const double half = (v - top);  // the arrow widens by one pixel per row on each side
        return std::fabs(u - s / 2) <= half;
    };
}

Region CheckMark(double l, double t, double s, double w) {
    return Union(Segment(l + s * 0.12, t + s * 0.52, l + s * 0.4, t + s * 0.8, w),
                 Segment(l + s * 0.4, t + s * 0.8, l + s * 0.88, t + s * 0.18, w));
}

}  // namespace zelkova::art
