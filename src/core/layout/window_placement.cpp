#include "core/layout/window_placement.h"

namespace oryn7px {

LayoutPoint WindowPosition(const LayoutRect& available, int width, int height) {
    if (width > available.Width() || height > available.Height()) return {available.left, available.top};
    return {available.left + (available.Width() - width) / 2, available.top + (available.Height() - height) / 2};
}

}  // namespace oryn7px
