#pragma once
#include <string>

namespace oryn7px {

// $XDG_RUNTIME_DIR when it is set and owned by this user; else a private 0700 folder under
// the temporary folder, created when missing. Empty when neither can be had safely.
std::string UserRuntimeDir();

}  // namespace oryn7px
