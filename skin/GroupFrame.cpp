#include "skin/GroupFrame.h"

namespace zelkova {

GroupFrameOutline OutlineGroupFrame(const Rect& r, int width, bool hasCaption, int captionWidth,
                                    bool rightToLeft) {
    if (!rightToLeft) {
        return GroupFrameOutline{
            {Point{r.left + 2, r.top}, Point{r.left, r.top}, Point{r.left, r.bottom - 1},
             Point{r.right - 1, r.bottom - 1}, Point{r.right - 1, r.top},
             Point{hasCaption ? r.left + captionWidth + 6 : r.left, r.top}},
            Point{5, 0}};
    }
    return GroupFrameOutline{
        {Point{r.right - 3, r.top}, Point{r.right - 1, r.top}, Point{r.right - 1, r.bottom - 1},
         Point{r.left + 1, r.bottom - 1}, Point{r.left + 1, r.top},
         Point{hasCaption ? r.right - captionWidth - 7 : r.right - 1, r.top}},
        Point{width - 6 - captionWidth, 0}};
}

}  // namespace zelkova
