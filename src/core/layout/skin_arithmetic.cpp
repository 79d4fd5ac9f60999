#include "core/layout/skin_arithmetic.h"

#include <algorithm>

namespace oryn7px {

int SliderThumbLeft(int trackLeft, int trackRight, int thumbWidth, int minimum, int maximum, int pos) {
    if (pos < minimum || pos > maximum) pos = minimum;
    if (maximum <= minimum) return trackLeft;
    const int room = std::max(0, trackRight - trackLeft - thumbWidth);
    const unsigned offset = static_cast<unsigned>(room) * static_cast<unsigned>(pos - minimum) /
                            static_cast<unsigned>(maximum - minimum);
    return trackLeft + static_cast<int>(offset);
}

int SliderValueFromClick(int x, int trackLeft, int trackRight, int minimum, int maximum) {
    const int trackWidth = trackRight - trackLeft;
    if (trackWidth <= 0 || maximum <= minimum) return minimum;
    const int span = maximum - minimum;
    int value = minimum + x * span / trackWidth;
    // Integer division never reaches the maximum of a short range at the very right end.
    const double q = static_cast<double>(x) * span / trackWidth + 1.0;
    if (minimum == 1 && maximum == 5 && q > 4.75) value = 5;
    if (minimum == 1 && maximum == 10 && q > 9.75) value = 10;
    if (minimum == 1 && maximum == 3 && q > 2.87) value = 3;
    return std::clamp(value, minimum, maximum);
}

int ClampThumbLeft(int left, int trackLeft, int trackRight, int thumbWidth) {
    return std::max(trackLeft, std::min(left, trackRight - thumbWidth));
}

int SliderValueFromThumbLeft(int left, int trackLeft, int trackRight, int thumbWidth, int minimum,
                             int maximum) {
    const int room = trackRight - thumbWidth - trackLeft;
    if (room <= 0 || maximum <= minimum) return minimum;
    const int value = minimum + (maximum - minimum) * (left - trackLeft) / room;
    return std::clamp(value, minimum, maximum);
}

int ProgressFillWidth(int barWidth, int minimum, int maximum, int pos) {
    if (maximum <= minimum || barWidth <= 0) return 0;
    const int clamped = std::clamp(pos, minimum, maximum);
    return static_cast<int>(static_cast<int64_t>(barWidth) * (clamped - minimum) / (maximum - minimum));
}

int ProgressValueFromX(int x, int barLeft, int barWidth, int minimum, int maximum) {
    if (barWidth <= 0) return minimum;
    const int offset = std::max(0, x - barLeft);
    const int value = minimum + static_cast<int>(static_cast<int64_t>(maximum - minimum) * offset / barWidth);
    return std::clamp(value, minimum, maximum);
}

namespace {

int ThumbTravelDivisor(const ScrollRange& range) { return range.maximum - range.minimum - range.page + 1; }

}  // namespace

int ScrollMaxPosition(const ScrollRange& range) {
    return std::max(range.minimum, range.maximum - std::max(range.page, 1) + 1);
}

ScrollGeometry ComputeScrollGeometry(int length, int cell, const ScrollRange& range, bool drawing) {
    ScrollGeometry g;
    g.length = std::max(0, length);
    g.arrow = g.length < 2 * cell ? g.length / 2 : cell;
    g.track = std::max(0, g.length - 2 * cell);
    const int rangeSize = range.maximum - range.minimum + 1;
    if (g.track >= 6 && rangeSize > 0) {
        const int64_t proportional = static_cast<int64_t>(std::max(range.page, 0)) * g.track / rangeSize;
        g.thumb = static_cast<int>(std::clamp<int64_t>(proportional, 6, g.track));
    }
    const int divisor = ThumbTravelDivisor(range);
    if (drawing && divisor <= 0) g.thumb = 0;
    const int travel = g.track - g.thumb;
    if (divisor > 0) {
        const int64_t offset = static_cast<int64_t>(travel) * (range.pos - range.minimum) / divisor;
        g.offset = static_cast<int>(std::clamp<int64_t>(offset, 0, travel));
    } else {
        g.offset = travel / 2;
    }
    return g;
}

ScrollPart ScrollPartAt(const ScrollGeometry& g, int along) {
    if (along < 0 || along >= g.length) return ScrollPart::None;
    if (along < g.arrow) return ScrollPart::FirstArrow;
    if (along >= g.length - g.arrow) return ScrollPart::SecondArrow;
    const int thumbStart = g.arrow + g.offset;
    if (along < thumbStart) return ScrollPart::PageBefore;
    if (along < thumbStart + g.thumb) return ScrollPart::Thumb;
    return ScrollPart::PageAfter;
}

int ScrollTrackPosition(const ScrollGeometry& g, const ScrollRange& range, int startPos, int delta) {
    const int travel = g.track - g.thumb;
    const int divisor = ThumbTravelDivisor(range);
    if (travel <= 0 || divisor <= 0) return range.minimum;
    const int64_t moved = static_cast<int64_t>(delta) * divisor / travel;
    return static_cast<int>(std::clamp<int64_t>(startPos + moved, range.minimum, ScrollMaxPosition(range)));
}

LayoutRect MenuItemRect(int index) {
    const int top = 6 + index * kMenuItemHeight;
    return {6, top, 110, top + kMenuItemHeight};
}

int MenuHeight(int itemCount) { return 6 + itemCount * kMenuItemHeight + 3; }

int MenuItemAt(int itemCount, int x, int y) {
    for (int i = 0; i < itemCount; ++i) {
        const LayoutRect r = MenuItemRect(i);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return i;
    }
    return -1;
}

int MenuItemAfterStep(int itemCount, int hovered, int step) {
    if (itemCount <= 0) return -1;
    if (hovered < 0 || hovered >= itemCount) return step > 0 ? 0 : itemCount - 1;
    return ((hovered + step) % itemCount + itemCount) % itemCount;
}

uint32_t PackRowValue(uint32_t pictureKind, uint32_t value) {
    if (pictureKind == 0 || pictureKind > 255) return value;
    return (pictureKind << 24) | (value & 0xFFFFFFu);
}

uint32_t RowPictureKind(uint32_t storedValue) { return storedValue >> 24; }

std::string RowPictureFile(uint32_t pictureKind, bool selected) {
    switch (pictureKind) {
        case 2: return selected ? "up_select.png" : "up_normal.png";
        case 3: return selected ? "down_select.png" : "down_normal.png";
        case 4: return selected ? "delay_select.png" : "delay_normal.png";
        // Kind 5 shows the pictures the other way round, as the stored artwork expects.
        case 5: return selected ? "CursorMove_normal.png" : "CursorMove_select.png";
        default: return {};
    }
}

std::string RowTickFile(bool ticked, bool selected) {
    return std::string(ticked ? "tick_on" : "tick_off") + (selected ? "_select.png" : "_normal.png");
}

}  // namespace oryn7px
