#pragma once
// The statistics page's own message numbers.
#include <cstdint>

namespace oryn7px {

// A press or wheel notch seen on the desktop, forwarded to the page (wParam: hook button code).
inline constexpr uint32_t WM_STS_MOUSE_EVENT = 0x4C9;
// A cursor position sampled by the page's thread.
inline constexpr uint32_t WM_STS_CURSOR_SAMPLE = 0x4CA;

}  // namespace oryn7px
