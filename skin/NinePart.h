#pragma once
// Geometry of drawing one face frame onto a rectangle of any size in nine pieces: the corners
// keep their natural size, the edges and the centre are stretched. The Win32 drawing copies the
// rectangles this computes; all the arithmetic lives here so it can be checked natively.
#include <array>
#include <cstddef>
#include <cstdint>

#include "base/Geometry.h"

namespace zelkova {

// In drawing order.
enum class NinePiece : std::uint8_t {
    TopLeft,
    BottomLeft,
    LeftEdge,
    TopRight,
    BottomRight,
    RightEdge,
    TopEdge,
    Centre,
    BottomEdge,
};

struct NinePartPiece {
    NinePiece piece = NinePiece::TopLeft;
    Rect source;  // in the face bitmap
    Rect target;  // on the canvas

    // Corners are drawn at natural size (source and target of one size) through an image list,
    // masked with fuchsia only when the face is transparent. Edges and the centre are stretched
    // from source to target and always keyed with fuchsia.
    constexpr bool IsCorner() const {
        return piece == NinePiece::TopLeft || piece == NinePiece::BottomLeft ||
               piece == NinePiece::TopRight || piece == NinePiece::BottomRight;
    }
    friend constexpr bool operator==(const NinePartPiece&, const NinePartPiece&) = default;
};

// The pieces to draw, in order; pieces with nothing to draw are left out.
class NinePartPlan {
public:
    const NinePartPiece* begin() const { return pieces_.data(); }
    const NinePartPiece* end() const { return pieces_.data() + count_; }
    std::size_t size() const { return count_; }
    const NinePartPiece& operator[](std::size_t i) const { return pieces_[i]; }
    // The piece of that kind, or nullptr when it is not drawn.
    const NinePartPiece* Find(NinePiece piece) const;

    void Add(const NinePartPiece& piece) { pieces_[count_++] = piece; }

private:
    std::array<NinePartPiece, 9> pieces_{};
    std::size_t count_ = 0;
};

// The nine pieces of a face of faceSize drawn onto destination.
//
// The source rectangles are deliberately asymmetric (they are what the built-in artwork was made
// for): for odd face heights the left edge and the centre stretch row h(SH) while the right edge
// stretches row SH - h(SH); the top, centre and bottom stretch column h(SW), plus the next one for
// odd widths; the centre stops one row short of the bottom-right corner and the bottom edge starts
// one column and one row early, overlapping its neighbours.
//
// Where the rules leave a stretched piece no source rows or columns (a face of even height from
// a skin file), that piece stretches the single row or column where its source begins instead.
// A destination too small for a corner leaves that corner out; the edges then run to the
// destination's own corner point.
NinePartPlan PlanNinePart(Size faceSize, const Rect& destination);

}  // namespace zelkova
