#include "core/app/autostart_entry.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(AutostartEntry, StartsTheProgramHiddenInTheTray) {
    const std::string text = AutostartEntryText("/usr/lib/oryn7px/oryn7px");
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nExec=/usr/lib/oryn7px/oryn7px --hidden\n"), std::string::npos);
}

TEST(AutostartEntry, ExecArgumentsAreQuotedAndEscapedOnce) {
    const struct {
        const char* argument;
        const char* expected;
    } cases[] = {
        {"/opt/oryn7px/oryn7px", "/opt/oryn7px/oryn7px"},
        {"/home/a b/oryn7px", "\"/home/a b/oryn7px\""},
        // Inside quotes " ` $ \ take a backslash, which the entry's string type doubles again.
        {"/x/$HOME\"q`", "\"/x/\\\\$HOME\\\\\"q\\\\`\""},
        {"/x/back\\slash", "\"/x/back\\\\\\\\slash\""},
        {"/x/100%", "/x/100%%"},
        // A line break would end the Exec line and start a line of its own.
        {"/x/a\nType=Evil", "\"/x/a\\nType=Evil\""},
    };
    for (const auto& c : cases) EXPECT_EQ(ExecArgument(c.argument), c.expected) << c.argument;
    EXPECT_EQ(AutostartEntryText("/x/a\nType=Evil").find("\nType=Evil"), std::string::npos);
}

}  // namespace
}  // namespace oryn7px
