// Termination signals are noted by the handler and taken, once each, on the owner's thread.
#include <gtest/gtest.h>
#include <poll.h>

#include <csignal>

#include "platform/linux/posix_termination_signals.h"

namespace oryn7px {
namespace {

bool WakeHandleReadable(const TerminationSignals& termination) {
    pollfd wake{static_cast<int>(termination.WakeHandle()), POLLIN, 0};
    return ::poll(&wake, 1, 0) == 1;
}

TEST(PosixTerminationSignalsTest, EachEndSignalWakesTheOwnerAndIsTakenOnce) {
    PosixTerminationSignals termination;
    ASSERT_TRUE(termination.Start());
    EXPECT_FALSE(WakeHandleReadable(termination));
    EXPECT_FALSE(termination.TakeRequests());
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ASSERT_EQ(std::raise(signal), 0);
        EXPECT_TRUE(WakeHandleReadable(termination)) << signal;
        EXPECT_TRUE(termination.TakeRequests()) << signal;
        EXPECT_FALSE(termination.TakeRequests()) << signal;
    }
}

TEST(PosixTerminationSignalsTest, CanBeStartedAgainAfterStop) {
    PosixTerminationSignals termination;
    ASSERT_TRUE(termination.Start());
    termination.Stop();
    EXPECT_FALSE(termination.TakeRequests());
    ASSERT_TRUE(termination.Start());
    ASSERT_EQ(std::raise(SIGHUP), 0);
    EXPECT_TRUE(termination.TakeRequests());
}

}  // namespace
}  // namespace oryn7px
