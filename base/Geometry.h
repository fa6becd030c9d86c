#pragma once
// Plain integer geometry shared by the kit's portable layout code and its Win32 drawing.
// Rectangles are (left, top, right, bottom) with right and bottom exclusive, like RECT.

namespace zelkova {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // Inverted rectangles count as empty too, so callers can skip them without further checks.
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr Rect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Division by two rounding toward zero: the halving every layout rule of the kit uses.
constexpr int Halve(int value) { return value / 2; }

}  // namespace zelkova
