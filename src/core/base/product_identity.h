#pragma once
// The product this program serves, by the code that names it in its lock, its window title and
// the vendor's update address, and the folder its files live under in every user folder.
#include <filesystem>

namespace oryn7px {

inline constexpr const char* kVendorName = "TAVIK";
inline constexpr const char* kModelCode = "ORYN7PX";

// "TAVIK/ORYN7PX": below the data, configuration and temporary folders alike.
inline std::filesystem::path ProductFolder() { return std::filesystem::path(kVendorName) / kModelCode; }

}  // namespace oryn7px
