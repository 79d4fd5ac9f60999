#pragma once
// The product this program serves, by the code that names it in its lock, its window title and
// the vendor's update address.

namespace oryn7px {

inline constexpr const char* kModelCode = "ORYN7PX";

}  // namespace oryn7px
