#include "platform/linux/evdev_mouse_nodes.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string_view>

namespace oryn7px {
namespace {

// Build machines have no input devices; wherever the test runs, what is found must hang together.
TEST(EvdevMouseNodes, TheProbeAgreesWithTheNodesFound) {
    const std::vector<std::string> nodes = FindMouseEventNodes();
    for (const std::string& node : nodes) EXPECT_TRUE(std::string_view(node).starts_with("/dev/input/event")) << node;
    const EvdevProbe probe = ProbeEvdevInput();
    EXPECT_EQ(probe.nodesFound, !nodes.empty());
    if (!probe.nodesFound) {
        EXPECT_FALSE(probe.nodesReadable);
        EXPECT_EQ(probe.deniedNode, "");
    }
    EXPECT_EQ(probe.nodesReadable, probe.nodesFound && probe.deniedNode.empty());
    EXPECT_NE(probe.uinputWritable, !probe.uinputError.empty());
}

TEST(EvdevMouseNodes, OpeningSaysWhyANodeCannotBeReadAndWhetherItIsThePointer) {
    UdevEvdevNodes nodes;
    const EvdevOpenedNode missing = nodes.Open("/dev/input/event-that-is-not-there");
    EXPECT_EQ(missing.fd, -1);
    EXPECT_EQ(missing.error, "No such file or directory");

    // Readable, but no input device: not the pointer.
    const EvdevOpenedNode notInput = nodes.Open("/dev/null");
    ASSERT_GE(notInput.fd, 0);
    EXPECT_FALSE(notInput.pointer);
    close(notInput.fd);
}

}  // namespace
}  // namespace oryn7px
