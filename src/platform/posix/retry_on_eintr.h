#pragma once
// A signal may interrupt a system call before it did anything; every backend tries it again
// here, in one place, so none mistakes an interruption for a failure.
#include <cerrno>

namespace oryn7px {

// Runs `call`, a system call that returns -1 and sets errno on failure, until it ends other
// than with EINTR, and returns its last result.
template <typename Call>
auto RetryOnEintr(Call&& call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

}  // namespace oryn7px
