#include "resources/pictures/generator/Pictures.h"

#include <cmath>
#include <numbers>
#include <string>

#include "resources/pictures/generator/Shapes.h"
#include "ui/Product.h"

namespace zelkova::art {
namespace {

// The deep blue of the title strip and the banner: light enough at the top for a sheen,
// dark enough everywhere for white lettering.
const Rgb kStripTop = Hex(0x3A6FB8);
const Rgb kStripMiddle = Hex(0x234F8E);
const Rgb kStripBottom = Hex(0x173766);
const Rgb kStripEdge = Hex(0x6E9FDC);
const Rgb kButtonFace = Hex(0xF0F0F0);
const Rgb kWhite = Hex(0xFFFFFF);

void PaintStrip(Canvas& canvas) {
    const double h = canvas.Height();
    const double w = canvas.Width();
    canvas.Fill(RoundRect(0, 0, w, h, 0),
                Vertical({{0, kStripTop}, {h * 0.46, kStripMiddle}, {h - 2, kStripBottom}}));
    // A soft sheen over the upper half, and a light edge where the strip meets the window.
    canvas.Fill(RoundRect(0, 0, w, h * 0.46, 0), Solid(kWhite), 0.10);
    canvas.Fill(RoundRect(0, h - 1, w, h, 0), Solid(kStripEdge));
}

// The string in the capitals the stroke alphabet draws.
std::string Capitals(const char* text) {
    std::string caps(text);
    for (char& c : caps) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return caps;
}

// The tree: a crown of overlapping rounds over a flared trunk, on a grid of the given size.
Region Crown(double s) {
    return AnyOf({Ellipse(s * 0.22, s * 0.06, s * 0.78, s * 0.56),
                  Ellipse(s * 0.06, s * 0.26, s * 0.50, s * 0.68),
                  Ellipse(s * 0.50, s * 0.26, s * 0.94, s * 0.68),
                  Ellipse(s * 0.28, s * 0.34, s * 0.72, s * 0.72)});
}

Region Trunk(double s) {
    return Polygon({{s * 0.43, s * 0.55},
                    {s * 0.57, s * 0.55},
                    {s * 0.60, s * 0.90},
                    {s * 0.70, s * 0.97},
                    {s * 0.30, s * 0.97},
                    {s * 0.40, s * 0.90}});
}

void PaintTree(Canvas& canvas, double left, double top, double s) {
    auto at = [left, top](Region region) {
        return Region(
            [region, left, top](double x, double y) { return region(x - left, y - top); });
    };
    canvas.Fill(at(Trunk(s)),
                Vertical({{top + s * 0.55, Hex(0x8B5A2B)}, {top + s, Hex(0x5A3A1A)}}));
    canvas.Fill(at(Crown(s)), Solid(Hex(0x1F5F22)));
    const Region inner = [crown = Crown(s - 2.4), left, top](double x, double y) {
        return crown(x - left - 1.2, y - top - 1.2);
    };
    canvas.Fill(inner, Vertical({{top, Hex(0x9BD456)}, {top + s * 0.7, Hex(0x3C8F2F)}}));
    // Light falls from the upper left.
    canvas.Fill(at(Ellipse(s * 0.28, s * 0.12, s * 0.56, s * 0.34)), Solid(kWhite), 0.22);
}

}  // namespace

Canvas TitleTexture() {
    Canvas canvas(50, 50, kStripMiddle);
    PaintStrip(canvas);
    return canvas;
}

Canvas AboutBanner() {
    Canvas canvas(360, 50, kStripMiddle);
    PaintStrip(canvas);
    PaintTree(canvas, 12, 8, 34);
    const std::string maker = Capitals(kMakerName);
    const Lettering name = Letters(maker, 58, 12, 15, 2.3);
    // A shadow one pixel down and right keeps the letters crisp on the sheen.
    const Region shadow = [region = name.region](double x, double y) {
        return region(x - 1, y - 1);
    };
    canvas.Fill(shadow, Solid(Hex(0x0C1E3A)), 0.6);
    canvas.Fill(name.region, Solid(kWhite));
    const std::string product = Capitals(kAppTitle);
    const double height = 7;
    const double width = LettersWidth(product, height);
    canvas.Fill(Letters(product, 360 - 14 - width, 34, height, 1.3).region, Solid(Hex(0xC8DCF5)));
    return canvas;
}

Canvas DonateButton() {
    Canvas canvas(62, 31, kButtonFace);
    const Region pill = RoundRect(1, 2, 61, 29, 10);
    canvas.Fill(RoundRect(1, 3, 61, 30, 10), Solid(Hex(0xB8B8B8)), 0.6);  // a soft shadow below
    canvas.Fill(pill, Solid(Hex(0xB36B00)));
    canvas.Fill(RoundRect(2, 3, 60, 28, 9),
                Vertical({{3, Hex(0xFFE07A)}, {15, Hex(0xFFC531)}, {28, Hex(0xF39A12)}}));
    canvas.Fill(RoundRect(5, 4, 57, 14, 6), Solid(kWhite), 0.35);
    const char* text = "DONATE";
    const double width = LettersWidth(text, 9);
    canvas.Fill(Letters(text, (62 - width) / 2, 11, 9, 1.7).region, Solid(Hex(0x1B2F5B)));
    return canvas;
}

Canvas ApplicationIcon(int size) {
    const double s = size;
    Canvas canvas(size, size, {0, 0, 0});
    PaintTree(canvas, 0, 0, s);
    canvas.KeyOutside(AnyOf({Crown(s), Trunk(s)}));
    return canvas;
}

Canvas UpdateIcon() {
    Canvas canvas(16, 16, {0, 0, 0});
    constexpr double kCx = 8;
    constexpr double kCy = 8.5;
    // Three quarters of a ring, open at the upper right, ending in an arrow head.
    const Region ring = [](double x, double y) {
        const double dx = x - kCx;
        const double dy = y - kCy;
        const double r = std::sqrt(dx * dx + dy * dy);
        const double angle = std::atan2(dy, dx) * 180 / std::numbers::pi;  // 0 right, 90 down
        return r <= 6.3 && r >= 3.3 && !(angle > -80 && angle < -10);
    };
    const Region head = Polygon({{9.2, 0.6}, {15.6, 4.6}, {9.0, 8.2}});
    const Region arrow = AnyOf({ring, head});
    canvas.Fill(arrow, Solid(Hex(0x1E6B12)));
    const Region innerRing = [](double x, double y) {
        const double dx = x - kCx;
        const double dy = y - kCy;
        const double r = std::sqrt(dx * dx + dy * dy);
        const double angle = std::atan2(dy, dx) * 180 / std::numbers::pi;
        return r <= 5.4 && r >= 4.2 && !(angle > -72 && angle < -18);
    };
    const Region innerHead = Polygon({{10.2, 2.4}, {13.9, 4.6}, {10.1, 6.6}});
    canvas.Fill(AnyOf({innerRing, innerHead}), Vertical({{1, Hex(0x9BE36A)}, {15, Hex(0x3FA52A)}}));
    canvas.KeyOutside(arrow);
    return canvas;
}

Canvas FolderGlyph() {
    Canvas canvas(16, 16, Hex(0xC8C8C8));
    const Rgb outline = Hex(0x8A5D0E);
    // The back of the folder with its tab, then the front flap tilted open.
    const Region back = AnyOf({RoundRect(1, 3, 7, 6, 1), RoundRect(1, 4, 13, 14, 0.5)});
    canvas.Fill(back, Solid(outline));
    canvas.Fill(AnyOf({RoundRect(2, 4, 6, 6, 0.5), RoundRect(2, 5, 12, 13, 0)}),
                Vertical({{4, Hex(0xF2C24E)}, {13, Hex(0xD9A030)}}));
    const Region flap = Polygon({{3.2, 7}, {15.6, 7}, {12.8, 14}, {0.6, 14}});
    canvas.Fill(flap, Solid(outline));
    const Region flapInside = Polygon({{4, 8}, {14.2, 8}, {12.1, 13}, {1.9, 13}});
    canvas.Fill(flapInside, Vertical({{8, Hex(0xFFF0A0)}, {13, Hex(0xFFCF48)}}));
    return canvas;
}

}  // namespace zelkova::art
