#include "platform/linux/hidraw_backend.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/device/hid_descriptor_parser.h"
#include "platform/posix/retry_on_eintr.h"

namespace oryn7px {

namespace {

namespace fs = std::filesystem;

// The kernel never hands out a longer descriptor.
constexpr size_t kMaxDescriptorSize = HID_MAX_DESCRIPTOR_SIZE;

std::optional<std::string> ReadSmallFile(const fs::path& path, size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content(limit + 1, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad() || static_cast<size_t>(in.gcount()) > limit) return std::nullopt;
    content.resize(static_cast<size_t>(in.gcount()));
    return content;
}

// hidraw2 before hidraw10.
bool NodeOrder(const fs::path& a, const fs::path& b) {
    const std::string na = a.filename().string();
    const std::string nb = b.filename().string();
    return na.size() != nb.size() ? na.size() < nb.size() : na < nb;
}

class HidrawDevice final : public HidDevice {
public:
    explicit HidrawDevice(int fd) : fd_(fd) {}
    ~HidrawDevice() override { close(fd_); }

    bool SetFeature(const uint8_t* data, size_t length) override {
        return RetryOnEintr([&] { return ioctl(fd_, HIDIOCSFEATURE(length), data); }) >= 0;
    }

    bool GetFeature(uint8_t* data, size_t length) override {
        const int received = RetryOnEintr([&] { return ioctl(fd_, HIDIOCGFEATURE(length), data); });
        // A short answer would leave stale bytes where the caller expects the mouse's.
        return received >= 0 && static_cast<size_t>(received) == length;
    }

    HidWriteResult WriteOutput(const uint8_t* data, size_t length) override {
        pollfd writable{fd_, POLLOUT, 0};
        const int ready = RetryOnEintr([&] { return poll(&writable, 1, static_cast<int>(kOutputWriteTimeoutMs)); });
        if (ready == 0) return HidWriteResult::TimedOut;
        if (ready < 0 || (writable.revents & (POLLERR | POLLHUP | POLLNVAL))) return HidWriteResult::Error;
        const ssize_t written = RetryOnEintr([&] { return write(fd_, data, length); });
        if (written < 0 && errno == EAGAIN) return HidWriteResult::TimedOut;
        return written == static_cast<ssize_t>(length) ? HidWriteResult::Ok : HidWriteResult::Error;
    }

private:
    const int fd_;
};

}  // namespace

bool ParseHidId(const std::string& uevent, uint16_t* vendorId, uint16_t* productId) {
    std::istringstream lines(uevent);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.starts_with("HID_ID=")) continue;
        unsigned int bus = 0, vendor = 0, product = 0;
        char tail = 0;
        if (std::sscanf(line.c_str() + 7, "%8x:%8x:%8x%c", &bus, &vendor, &product, &tail) != 3) return false;
        if (vendor > 0xFFFF || product > 0xFFFF) return false;
        *vendorId = static_cast<uint16_t>(vendor);
        *productId = static_cast<uint16_t>(product);
        return true;
    }
    return false;
}

HidrawBackend::HidrawBackend(fs::path sysfsRoot, fs::path devRoot)
    : sysfsRoot_(std::move(sysfsRoot)), devRoot_(std::move(devRoot)) {}

std::vector<HidInterfaceInfo> HidrawBackend::Enumerate() {
    std::vector<fs::path> nodes;
    std::error_code error;
    // Stepping with an error code: a folder that changes under us must not throw.
    for (fs::directory_iterator it(sysfsRoot_ / "class" / "hidraw", error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().filename().string().starts_with("hidraw")) nodes.push_back(it->path());
    }
    std::sort(nodes.begin(), nodes.end(), NodeOrder);
    std::vector<HidInterfaceInfo> interfaces;
    for (const fs::path& node : nodes) {
        const auto uevent = ReadSmallFile(node / "device" / "uevent", 64 * 1024);
        HidInterfaceInfo info;
        if (!uevent || !ParseHidId(*uevent, &info.vendorId, &info.productId)) continue;
        info.path = (devRoot_ / node.filename()).string();
        if (const auto descriptor = ReadSmallFile(node / "device" / "report_descriptor", kMaxDescriptorSize)) {
            const auto* bytes = reinterpret_cast<const uint8_t*>(descriptor->data());
            info.featureValueCaps = ParseHidReportDescriptor(bytes, descriptor->size()).featureValueCaps;
        }
        interfaces.push_back(std::move(info));
    }
    return interfaces;
}

std::unique_ptr<HidDevice> HidrawBackend::Open(const std::string& path, HidAccess access) {
    const int mode = access == HidAccess::Read ? O_RDONLY : O_WRONLY;
    const int fd = open(path.c_str(), mode | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return nullptr;
    return std::make_unique<HidrawDevice>(fd);
}

}  // namespace oryn7px
