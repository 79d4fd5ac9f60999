// Interrupted system calls are tried again; every other outcome is returned as it came.
#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "platform/posix/retry_on_eintr.h"

namespace oryn7px {
namespace {

struct Outcome {
    long result;
    int error;
};

struct Case {
    std::vector<Outcome> outcomes;  // what the call gives, attempt by attempt
    long expected;
    int expectedErrno;
    std::size_t expectedCalls;
};

TEST(RetryOnEintr, RetriesOnlyInterruptions) {
    const Case cases[] = {
        {{{5, 0}}, 5, 0, 1},                             // success at once
        {{{-1, EINTR}, {-1, EINTR}, {7, 0}}, 7, 0, 3},   // interrupted twice, then done
        {{{-1, EINTR}, {-1, EAGAIN}}, -1, EAGAIN, 2},    // another error ends it
        {{{-1, EIO}, {3, 0}}, -1, EIO, 1},               // a real failure is never retried
        {{{0, EINTR}}, 0, EINTR, 1},                     // a stale errno beside a result is no failure
    };
    for (const Case& c : cases) {
        std::size_t calls = 0;
        const long result = RetryOnEintr([&] {
            const Outcome& outcome = c.outcomes[calls++];
            errno = outcome.error;
            return outcome.result;
        });
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(errno, c.expectedErrno);
        EXPECT_EQ(calls, c.expectedCalls);
    }
}

}  // namespace
}  // namespace oryn7px
