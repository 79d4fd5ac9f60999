// The end of the session: a termination signal reaches the UI thread as a close request.
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

#include "platform/linux/posix_termination_signals.h"
#include "ui/frame/session_end.h"

namespace oryn7px {
namespace {

TEST(SessionEndWatcherTest, EndSignalsBecomeCloseRequestsOnTheUiThread) {
    int closeRequests = 0;
    int commits = 0;
    PosixTerminationSignals termination;
    SessionEndWatcher watcher(termination, [&] { ++closeRequests; }, [&] { ++commits; });
    ASSERT_TRUE(watcher.IsWatching());
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const int before = closeRequests;
        ASSERT_EQ(std::raise(signal), 0);
        EXPECT_EQ(closeRequests, before);  // nothing runs inside the handler
        EXPECT_TRUE(QTest::qWaitFor([&] { return closeRequests == before + 1; }, 2000)) << signal;
    }
    EXPECT_EQ(commits, 0);
}

}  // namespace
}  // namespace oryn7px
