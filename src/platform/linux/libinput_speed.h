#pragma once
// The one mapping of the program's pointer speed onto libinput's acceleration speed, shared by
// every desktop that hands the value to libinput (X11, GNOME, KDE).
#include <algorithm>
#include <cstdint>

namespace oryn7px {

// Pointer speed 1..20 (10 the system's default) linear onto -1..1; out-of-range speeds clamp.
// One division of exact integers, so each step is the nearest double (10 gives exactly -1/19).
inline double LibinputSpeed(int32_t speed) { return static_cast<double>(2 * std::clamp(speed, 1, 20) - 21) / 19.0; }

}  // namespace oryn7px
