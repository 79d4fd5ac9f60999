#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/emulator/virtual_mouse.h"
#include "platform/hid_backend_choice.h"

namespace oryn7px {
namespace {

TEST(ChooseHidBackend, VirtualMouseFlagThenEmulatorVariableThenTheSystem) {
    VirtualClock clock;
    setenv(kEmulatorSocketVariable, "/tmp/no-such-oryn7px-emu.sock", 1);
    HidBackendChoice choice = ChooseHidBackend(true, clock);
    EXPECT_EQ(choice.kind, HidBackendKind::InProcess);
    ASSERT_NE(choice.virtualMouse, nullptr);
    EXPECT_EQ(choice.backend->Enumerate().size(), 1u);
    choice.virtualMouse->Unplug();
    EXPECT_TRUE(choice.backend->Enumerate().empty());

    choice = ChooseHidBackend(false, clock);
    EXPECT_EQ(choice.kind, HidBackendKind::Emulator);
    EXPECT_EQ(choice.virtualMouse, nullptr);
    EXPECT_TRUE(choice.backend->Enumerate().empty());  // nothing serves that socket

    setenv(kEmulatorSocketVariable, "", 1);
    EXPECT_EQ(ChooseHidBackend(false, clock).kind, HidBackendKind::System);
    unsetenv(kEmulatorSocketVariable);
    EXPECT_EQ(ChooseHidBackend(false, clock).kind, HidBackendKind::System);
}

}  // namespace
}  // namespace oryn7px
