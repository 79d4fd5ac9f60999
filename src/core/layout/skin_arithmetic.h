#pragma once
// The arithmetic of the skinned controls: slider and progress positions, scroll-bar parts,
// popup-menu layout and list-row values. Kept free of any widget so it is tested directly.
#include <cstdint>
#include <string>

#include "core/layout/layout_types.h"

namespace oryn7px {

// ---- PNG slider ----

// Left edge of the thumb for position `pos`; a position outside the range counts as the minimum.
int SliderThumbLeft(int trackLeft, int trackRight, int thumbWidth, int minimum, int maximum, int pos);

// Value for a click `x` pixels right of the track's left edge, with the round-ups that let the
// far right end of the short ranges 1..3, 1..5 and 1..10 reach their maximum.
int SliderValueFromClick(int x, int trackLeft, int trackRight, int minimum, int maximum);

// Thumb left edge kept between the track's left and its right minus the thumb width.
int ClampThumbLeft(int left, int trackLeft, int trackRight, int thumbWidth);

// Value for a dragged thumb whose left edge is at `left`.
int SliderValueFromThumbLeft(int left, int trackLeft, int trackRight, int thumbWidth, int minimum,
                             int maximum);

// ---- PNG progress bar ----

int ProgressFillWidth(int barWidth, int minimum, int maximum, int pos);
int ProgressValueFromX(int x, int barLeft, int barWidth, int minimum, int maximum);

// ---- Skinned scroll bar ----

enum class ScrollPart { None = -1, FirstArrow = 0, SecondArrow = 1, PageBefore = 2, PageAfter = 3, Thumb = 4 };

struct ScrollRange {
    int minimum = 0;
    int maximum = 100;
    int page = 10;
    int pos = 0;
};

struct ScrollGeometry {
    int length = 0;  // L, along the bar
    int arrow = 0;   // a
    int track = 0;   // t
    int thumb = 0;   // g
    int offset = 0;  // h, thumb start measured from the end of the first arrow
};

// `drawing` also hides the thumb while the page covers the whole range.
ScrollGeometry ComputeScrollGeometry(int length, int cell, const ScrollRange& range, bool drawing);
ScrollPart ScrollPartAt(const ScrollGeometry& geometry, int along);
// Position for a thumb dragged `delta` pixels from where a drag started at `startPos`.
int ScrollTrackPosition(const ScrollGeometry& geometry, const ScrollRange& range, int startPos, int delta);
// The largest position the range allows (maximum - page + 1, never below the minimum).
int ScrollMaxPosition(const ScrollRange& range);

// ---- Popup menu ----

inline constexpr int kMenuWidth = 116;
inline constexpr int kMenuItemHeight = 22;
LayoutRect MenuItemRect(int index);
int MenuHeight(int itemCount);
// Index of the first item whose rectangle holds the point, or -1.
int MenuItemAt(int itemCount, int x, int y);
// The item an arrow key hovers next: `step` from `hovered`, round the ends; from none (-1) the
// first item going down, the last going up. -1 for an empty menu.
int MenuItemAfterStep(int itemCount, int hovered, int step);

// ---- Skinned list box ----

// A row added with picture kind 1..255 carries the kind in the top byte of its value.
uint32_t PackRowValue(uint32_t pictureKind, uint32_t value);
uint32_t RowPictureKind(uint32_t storedValue);
// File name of the row picture (in the skin folder) for kinds 2..5, empty for others.
std::string RowPictureFile(uint32_t pictureKind, bool selected);
// File name of the tick box before a row of a list whose rows are ticked (the programs dialog's).
std::string RowTickFile(bool ticked, bool selected);

}  // namespace oryn7px
