#pragma once
// The session bus and home folder of this test program's own, started by its main().
#include <string>

namespace oryn7px {

// Why the tests run without a private session bus; empty when they have one.
const std::string& PrivateBusFailure();

}  // namespace oryn7px
