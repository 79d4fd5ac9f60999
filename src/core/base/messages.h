#pragma once
// The program-defined message numbers shared by several windows and threads (a page keeps its own
// beside its model), and the standard window messages the program posts.
#include <cstdint>

namespace oryn7px {

inline constexpr uint32_t UM_SET_LANGUAGE = 0x401;
inline constexpr uint32_t UM_HOOK_INPUT = 0x40A;
inline constexpr uint32_t UM_APPLY_PROGRESS = 0x42B;
inline constexpr uint32_t UM_LIST_SELCHANGE = 0x465;
inline constexpr uint32_t UM_TRAY_NOTIFY = 0x46C;
inline constexpr uint32_t UM_LIST_EDITED = 0x470;
inline constexpr uint32_t UM_APPLY_DONE = 0x703;
inline constexpr uint32_t UM_APPLY_FAILED = 0x704;
// The worker read the firmware version: wParam the version, 0 when it could not be read.
inline constexpr uint32_t UM_FIRMWARE_VERSION = 0x705;
inline constexpr uint32_t UM_BUTTON_MOUSE = 0x70D;
inline constexpr uint32_t UM_HOST_ACTION = 0x7EB;
inline constexpr uint32_t UM_SLIDER_POS = 0x800;
inline constexpr uint32_t UM_SHOW_HINT = 0x805;
inline constexpr uint32_t UM_RESTORE_DEFAULTS = 0x806;

// Standard window messages that cross threads or windows.
inline constexpr uint32_t WM_CLOSE = 0x0010;
// The desktop session is ending: keep what must not be lost.
inline constexpr uint32_t WM_QUERYENDSESSION = 0x0011;
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
// Device arrival and removal: wParam 0x8000 / 0x8004, lParam 1 when it is the mouse.
inline constexpr uint32_t WM_DEVICECHANGE = 0x0219;
// Skinned controls report to their parents with these.
inline constexpr uint32_t WM_COMMAND = 0x0111;
inline constexpr uint32_t WM_HSCROLL = 0x0114;
inline constexpr uint32_t WM_VSCROLL = 0x0115;
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr uint32_t UM_PROGRESS_DRAGGED = 0x450;

}  // namespace oryn7px
