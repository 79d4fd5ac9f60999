#pragma once
// Rectangles and outlines of the fixed window geometry, shared by the widgets (hit areas) and
// skingen (artwork), so a picture and the control that shows it can never disagree.
#include <array>

namespace oryn7px {

struct LayoutPoint {
    int x = 0;
    int y = 0;
};

// Left, top, right, bottom; right and bottom are exclusive.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
};

using LayoutQuad = std::array<LayoutPoint, 4>;

constexpr LayoutRect BoundingBox(const LayoutQuad& quad) {
    LayoutRect box{quad[0].x, quad[0].y, quad[0].x, quad[0].y};
    for (const LayoutPoint& p : quad) {
        box.left = p.x < box.left ? p.x : box.left;
        box.top = p.y < box.top ? p.y : box.top;
        box.right = p.x > box.right ? p.x : box.right;
        box.bottom = p.y > box.bottom ? p.y : box.bottom;
    }
    return box;
}

// A window's three state pictures, relative to the skins folder: controls cut their normal,
// pressed and hover looks from the same rectangle of each.
struct StatePictures {
    const char* normal;
    const char* down;
    const char* over;
};

}  // namespace oryn7px
