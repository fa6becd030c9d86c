// Where the skinned group box draws its frame and caption: a polyline of one-pixel lines
// (each drawn up to, not including, its end point) and the caption's top-left.
#pragma once

#include <array>

#include "base/Geometry.h"

namespace zelkova {

struct GroupFrameOutline {
    std::array<Point, 6> line;  // move to line[0], then a line to each following point
    Point caption;
};

// frame is the client rectangle with its top already lowered below half the font height;
// width is the control's width. With a caption the top edge stays open from 3 pixels in to
// captionWidth + 6 (left to right) or the mirror of that (right to left).
GroupFrameOutline OutlineGroupFrame(const Rect& frame, int width, bool hasCaption, int captionWidth,
                                    bool rightToLeft);

}  // namespace zelkova
