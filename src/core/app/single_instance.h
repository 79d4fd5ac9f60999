#pragma once
// The name a running program is known by, so that a second start finds the first one.
#include <string>

#include "core/base/product_identity.h"

namespace oryn7px {

// "ORYN7PXDriver.exe": the name of the single-instance lock.
std::string SingleInstanceName();

// The local socket of the running program, inside the user's own runtime folder, so that no
// other user can reach it. runtimeDir is $XDG_RUNTIME_DIR (or a private fallback).
std::string SingleInstanceSocketPath(const std::string& runtimeDir);

}  // namespace oryn7px
