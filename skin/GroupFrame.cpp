#include "skin/GroupFrame.h"

namespace zelkova {

GroupFrameOutline OutlineGroupFrame(const Rect& frame, int width, bool hasCaption, int captionWidth,
                                    bool rightToLeft) {
    if (!rightToLeft) {
        return GroupFrameOutline{
            {Point{frame.left + 2, frame.top}, Point{frame.left, frame.top},
             Point{frame.left, frame.bottom - 1}, Point{frame.right - 1, frame.bottom - 1},
             Point{frame.right - 1, frame.top},
             Point{hasCaption ? frame.left + captionWidth + 6 : frame.left, frame.top}},
            Point{5, 0}};
    }
    return GroupFrameOutline{
        {Point{frame.right - 3, frame.top}, Point{frame.right - 1, frame.top},
         Point{frame.right - 1, frame.bottom - 1}, Point{frame.left + 1, frame.bottom - 1},
         Point{frame.left + 1, frame.top},
         Point{hasCaption ? frame.right - captionWidth - 7 : frame.right - 1, frame.top}},
        Point{width - 6 - captionWidth, 0}};
}

}  // namespace zelkova
