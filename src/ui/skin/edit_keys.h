#pragma once
// Set on an in-place edit box: the window's key filters leave it Enter, Escape and Space.

namespace oryn7px {

inline constexpr char kTakesEditKeys[] = "oryn7pxTakesEditKeys";

}  // namespace oryn7px
