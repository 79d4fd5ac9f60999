#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/emulator/virtual_mouse_descriptor.h"
#include "platform/linux/hidraw_backend.h"

namespace oryn7px {
namespace {

namespace fs = std::filesystem;

// A sysfs and /dev look-alike in a temporary folder.
class FakeSystem {
public:
    FakeSystem() {
        char pattern[] = "/tmp/oryn7px-sysfs-XXXXXX";
        root_ = mkdtemp(pattern);
        fs::create_directories(root_ / "sys/class/hidraw");
        fs::create_directories(root_ / "dev");
    }
    ~FakeSystem() { fs::remove_all(root_); }

    void AddNode(const std::string& name, const std::string& uevent, const std::vector<uint8_t>* descriptor) {
        const fs::path device = root_ / "sys/class/hidraw" / name / "device";
        fs::create_directories(device);
        std::ofstream(device / "uevent") << uevent;
        if (descriptor != nullptr) {
            std::ofstream(device / "report_descriptor", std::ios::binary)
                .write(reinterpret_cast<const char*>(descriptor->data()), static_cast<std::streamsize>(descriptor->size()));
        }
    }

    fs::path Sys() const { return root_ / "sys"; }
    fs::path Dev() const { return root_ / "dev"; }

private:
    fs::path root_;
};

std::string Uevent(const char* hidId) {
    return std::string("DRIVER=hid-generic\nHID_ID=") + hidId + "\nHID_NAME=Tavik ORYN7PX\nHID_PHYS=usb-0000:00:14.0-1/input1\n";
}

TEST(HidrawBackend, EnumeratesTheFakeTreeInNodeOrderWithTheFeatureValues) {
    FakeSystem system;
    const std::vector<uint8_t> mouse = BuildVirtualMouseDescriptor(6, 64);
    const std::vector<uint8_t> pointerOnly = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xC0};
    const std::vector<uint8_t> malformed = {0x06, 0x01, 0xFF, 0xA1, 0x01, 0x09, 0x22, 0x75, 0x08, 0x95, 0x20, 0xB1};
    system.AddNode("hidraw10", Uevent("0003:00007F1D:00002C05"), &mouse);
    system.AddNode("hidraw2", Uevent("0003:00007F1D:00002C05"), &pointerOnly);
    system.AddNode("hidraw0", Uevent("0003:0000046D:0000C52B"), &mouse);
    system.AddNode("hidraw3", Uevent("0003:00007F1D:00002C05"), &malformed);
    system.AddNode("hidraw4", "DRIVER=hid-generic\n", &mouse);                    // no HID_ID: not listed
    system.AddNode("hidraw5", Uevent("0005:00007F1D:00002C05"), nullptr);         // no descriptor: no values

    HidrawBackend backend(system.Sys(), system.Dev());
    const auto interfaces = backend.Enumerate();
    ASSERT_EQ(interfaces.size(), 5u);
    const std::vector<std::string> names = {"hidraw0", "hidraw2", "hidraw3", "hidraw5", "hidraw10"};
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(interfaces[i].path, (system.Dev() / names[i]).string());
    EXPECT_EQ(interfaces[0].vendorId, 0x046D);
    EXPECT_EQ(interfaces[0].productId, 0xC52B);
    EXPECT_TRUE(interfaces[1].featureValueCaps.empty());
    EXPECT_TRUE(interfaces[2].featureValueCaps.empty());
    EXPECT_TRUE(interfaces[3].featureValueCaps.empty());
    const HidInterfaceInfo& ours = interfaces[4];
    EXPECT_EQ(ours.vendorId, 0x7F1D);
    EXPECT_EQ(ours.productId, 0x2C05);
    ASSERT_EQ(ours.featureValueCaps.size(), 1u);
    EXPECT_TRUE(ours.featureValueCaps[0].HasUsage(0xFF01, 0x22));
    EXPECT_EQ(ours.featureValueCaps[0].reportId, 6);
    EXPECT_EQ(ours.featureValueCaps[0].reportCount, 64);
}

TEST(HidrawBackend, MissingSysfsGivesNoInterfaces) {
    HidrawBackend backend("/nonexistent/sys", "/nonexistent/dev");
    EXPECT_TRUE(backend.Enumerate().empty());
    EXPECT_EQ(backend.Open("/nonexistent/dev/hidraw0", HidAccess::Read), nullptr);
}

TEST(HidrawBackend, NodeThatIsNotHidrawFailsFeatureReports) {
    FakeSystem system;
    const fs::path node = system.Dev() / "hidraw0";
    std::ofstream(node) << "";
    HidrawBackend backend(system.Sys(), system.Dev());
    auto device = backend.Open(node.string(), HidAccess::Write);
    ASSERT_NE(device, nullptr);
    uint8_t report[33] = {4, 0x80};
    EXPECT_FALSE(device->SetFeature(report, sizeof report));
    EXPECT_FALSE(device->GetFeature(report, sizeof report));
    // A plain file takes the write whole, which is what an output report asks of the node.
    EXPECT_EQ(device->WriteOutput(report, sizeof report), HidWriteResult::Ok);
    EXPECT_EQ(fs::file_size(node), 33u);
}

TEST(ParseHidId, ReadsVendorAndProduct) {
    struct Case {
        const char* uevent;
        bool ok;
        uint16_t vendor;
        uint16_t product;
    };
    const std::vector<Case> cases = {
        {"HID_ID=0003:00007F1D:00002C05\n", true, 0x7F1D, 0x2C05},
        {"HID_NAME=x\nHID_ID=0003:000004D9:00008022", true, 0x04D9, 0x8022},
        {"HID_ID=0003:0001FFFF:00002C05\n", false, 0, 0},  // beyond 16 bits
        {"HID_ID=0003:7F1D\n", false, 0, 0},
        {"HID_ID=0003:00007F1D:00002C05x\n", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.uevent);
        uint16_t vendor = 0, product = 0;
        EXPECT_EQ(ParseHidId(c.uevent, &vendor, &product), c.ok);
        EXPECT_EQ(vendor, c.vendor);
        EXPECT_EQ(product, c.product);
    }
}

}  // namespace
}  // namespace oryn7px
