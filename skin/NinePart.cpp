#include "skin/NinePart.h"

#include <algorithm>

namespace zelkova {
namespace {

// A corner keeps its natural size, limited to what its quadrant of the destination offers.
int CornerExtent(int sourceExtent, int quadrantExtent) {
    return std::max(0, std::min(sourceExtent, quadrantExtent));
}

Rect ClampTo(const Rect& r, const Rect& bounds) {
    return {std::max(r.left, bounds.left), std::max(r.top, bounds.top),
            std::min(r.right, bounds.right), std::min(r.bottom, bounds.bottom)};
}

// A stretched piece reads only inside the face (the rules reach one column past a face of one
// pixel), and needs at least one source row and column: where the rules give it none (faces of
// even height, or tiny faces), it takes the one where its source begins.
Rect AtLeastOnePixel(Rect source, Size face) {
    source = ClampTo(source, {0, 0, face.width, face.height});
    if (source.Width() <= 0) {
        source.left = std::clamp(source.left, 0, face.width - 1);
        source.right = source.left + 1;
    }
    if (source.Height() <= 0) {
        source.top = std::clamp(source.top, 0, face.height - 1);
        source.bottom = source.top + 1;
    }
    return source;
}

}  // namespace

const NinePartPiece* NinePartPlan::Find(NinePiece piece) const {
    for (const NinePartPiece& p : *this) {
        if (p.piece == piece) return &p;
    }
    return nullptr;
}

NinePartPlan PlanNinePart(Size faceSize, const Rect& destination) {
    NinePartPlan plan;
    const int sw = faceSize.width;
    const int sh = faceSize.height;
    const Rect& d = destination;
    const int dw = d.Width();
    const int dh = d.Height();
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return plan;

    const int hsw = Halve(sw);
    const int hsh = Halve(sh);
    const int hdw = Halve(dw);
    const int hdh = Halve(dh);

    // The left and top corners have h(S) source pixels and h(D) of room; the right and bottom
    // ones one pixel less of each.
    const int leftW = CornerExtent(hsw, hdw);
    const int rightW = CornerExtent(hsw - 1, hdw - 1);
    const int topH = CornerExtent(hsh, hdh);
    const int bottomH = CornerExtent(hsh - 1, hdh - 1);

    // A corner that is not drawn stands as an empty rectangle at its corner of the destination.
    Rect tl{d.left, d.top, d.left, d.top};
    Rect bl{d.left, d.bottom, d.left, d.bottom};
    Rect tr{d.right, d.top, d.right, d.top};
    Rect br{d.right, d.bottom, d.right, d.bottom};

    auto corner = [&](NinePiece piece, bool drawn, Rect source, Rect target, Rect& placed) {
        if (!drawn) return;
        placed = target;
        plan.Add({piece, source, target});
    };
    auto stretched = [&](NinePiece piece, Rect source, Rect target) {
        target = ClampTo(target, d);  // the bottom edge's overlap must not leave the destination
        if (target.IsEmpty()) return;
        plan.Add({piece, AtLeastOnePixel(source, faceSize), target});
    };

    corner(NinePiece::TopLeft, leftW > 0 && topH > 0, {0, 0, leftW, topH},
           {d.left, d.top, d.left + leftW, d.top + topH}, tl);
    corner(NinePiece::BottomLeft, leftW > 0 && bottomH > 0, {0, sh - bottomH, leftW, sh},
           {d.left, d.bottom - bottomH, d.left + leftW, d.bottom}, bl);
    {
        const Rect target = ClampTo({d.left, tl.bottom, tl.right, bl.top}, d);
        Rect source{0, hsh, hsw, sh - hsh};
        source.right = std::min(source.right, source.left + target.Width());  // keep its left
        stretched(NinePiece::LeftEdge, source, target);
    }
    corner(NinePiece::TopRight, rightW > 0 && topH > 0, {sw - rightW, 0, sw, topH},
           {d.right - rightW, d.top, d.right, d.top + topH}, tr);
    corner(NinePiece::BottomRight, rightW > 0 && bottomH > 0, {sw - rightW, sh - bottomH, sw, sh},
           {d.right - rightW, d.bottom - bottomH, d.right, d.bottom}, br);
    {
        const Rect target = ClampTo({tr.left, tr.bottom, tr.right, br.top}, d);
        Rect source{sw - hsw + 1, sh - hsh, sw, hsh + 2};
        source.left = std::max(source.left, source.right - target.Width());  // keep its right
        stretched(NinePiece::RightEdge, source, target);
    }
    {
        const Rect target = ClampTo({tl.right, d.top, tr.left, tl.bottom}, d);
        Rect source{hsw, 0, sw - hsw + 1, hsh};
        source.bottom = std::min(source.bottom, source.top + target.Height());  // keep its top
        stretched(NinePiece::TopEdge, source, target);
    }
    stretched(NinePiece::Centre, {hsw, hsh, sw - hsw + 1, sh - hsh},
              {tl.right, tl.bottom, tr.left, br.top - 1});
    {
        const Rect target = ClampTo({tl.right - 1, bl.top - 1, br.left, br.bottom}, d);
        Rect source{hsw, sh - hsh, sw - hsw + 1, sh};
        source.top = std::max(source.top, source.bottom - target.Height());  // keep its bottom
        stretched(NinePiece::BottomEdge, source, target);
    }
    return plan;
}

}  // namespace zelkova
