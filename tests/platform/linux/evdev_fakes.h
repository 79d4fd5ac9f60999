#pragma once
// The evdev backend's world for tests: input nodes as socket pairs the test writes events into,
// a node watch the test announces through, a grab whose mirror records what it passes on, and a
// sink that records the hook calls.
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <compare>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "core/interfaces/input_hook_backend.h"
#include "platform/linux/evdev_devices.h"

namespace oryn7px::testing {

inline constexpr auto kPatience = std::chrono::seconds(5);

// An input event without its time, for comparing.
struct Ev {
    uint16_t type;
    uint16_t code;
    int32_t value;
    bool operator==(const Ev&) const = default;
};

inline void PrintTo(const Ev& e, std::ostream* os) { *os << "{" << e.type << "," << e.code << "," << e.value << "}"; }

inline input_event Event(uint16_t type, uint16_t code, int32_t value) {
    input_event event{};
    event.type = type;
    event.code = code;
    event.value = value;
    return event;
}

inline input_event Syn() { return Event(EV_SYN, SYN_REPORT, 0); }

inline std::vector<Ev> Strip(std::span<const input_event> events) {
    std::vector<Ev> stripped;
    for (const input_event& e : events) stripped.push_back({e.type, e.code, e.value});
    return stripped;
}

struct HookCall {
    uint32_t message;
    uint32_t mouseData;
    auto operator<=>(const HookCall&) const = default;
};

inline void PrintTo(const HookCall& c, std::ostream* os) {
    *os << std::hex << "{0x" << c.message << ",0x" << c.mouseData << "}" << std::dec;
}

// Records every mouse call; swallows the calls it is told to.
class RecordingSink final : public InputHookSink {
public:
    bool KeyboardProc(uint32_t, uint32_t) override { return false; }
    bool MouseProc(uint32_t message, uint32_t mouseData) override {
        std::lock_guard lock(mutex_);
        calls_.push_back({message, mouseData});
        changed_.notify_all();
        return swallow_.count({message, mouseData}) > 0;
    }

    void Swallow(std::set<HookCall> calls) {
        std::lock_guard lock(mutex_);
        swallow_ = std::move(calls);
    }
    std::vector<HookCall> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    bool WaitCalls(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPatience, [&] { return calls_.size() >= count; });
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<HookCall> calls_;
    std::set<HookCall> swallow_;
};

class FakeEvdevSystem {
public:
    FakeEvdevSystem() = default;
    FakeEvdevSystem(const FakeEvdevSystem&) = delete;
    FakeEvdevSystem& operator=(const FakeEvdevSystem&) = delete;
    ~FakeEvdevSystem() {
        for (auto& [devnode, node] : nodes_) {
            if (node.testEnd >= 0) close(node.testEnd);
        }
    }

    // A node listed from the start, or announced through the watch when `announce`.
    void AddNode(const std::string& devnode, bool pointer, bool announce = false) {
        std::lock_guard lock(mutex_);
        Node& node = nodes_[devnode];
        node.present = true;
        node.pointer = pointer;
        if (announce) AnnounceLocked({true, devnode});
    }
    // A node whose reads fail with an error (a directory stands in for it).
    void AddBrokenNode(const std::string& devnode, bool pointer) {
        std::lock_guard lock(mutex_);
        Node& node = nodes_[devnode];
        node.present = true;
        node.pointer = pointer;
        node.broken = true;
    }
    void DenyNode(const std::string& devnode, std::string error) {
        std::lock_guard lock(mutex_);
        Node& node = nodes_[devnode];
        node.present = true;
        node.denied = std::move(error);
    }
    void AnnounceRemoval(const std::string& devnode) {
        std::lock_guard lock(mutex_);
        nodes_[devnode].present = false;
        AnnounceLocked({false, devnode});
    }

    // Whole events into the node as the backend opened it last.
    bool Send(const std::string& devnode, const std::vector<input_event>& events) {
        return SendBytes(devnode, events.data(), events.size() * sizeof(input_event));
    }
    bool SendBytes(const std::string& devnode, const void* bytes, std::size_t size) {
        std::lock_guard lock(mutex_);
        const int testEnd = nodes_[devnode].testEnd;
        return testEnd >= 0 && send(testEnd, bytes, size, MSG_NOSIGNAL) == static_cast<ssize_t>(size);
    }
    // The writer goes away: the backend reads the end of the stream.
    void CloseWriter(const std::string& devnode) {
        std::lock_guard lock(mutex_);
        int& testEnd = nodes_[devnode].testEnd;
        if (testEnd >= 0) close(testEnd);
        testEnd = -1;
    }
    // The backend has closed its end of the node.
    bool WaitClosedByBackend(const std::string& devnode) {
        int testEnd = -1;
        {
            std::lock_guard lock(mutex_);
            testEnd = nodes_[devnode].testEnd;
        }
        pollfd fd{testEnd, POLLRDHUP, 0};
        const int patienceMs = static_cast<int>(std::chrono::milliseconds(kPatience).count());
        return testEnd >= 0 && poll(&fd, 1, patienceMs) == 1 && (fd.revents & (POLLHUP | POLLRDHUP));
    }

    struct Counts {
        int opens = 0;
        int grabAttempts = 0;
        int grabs = 0;
        int liveMirrors = 0;
        std::size_t mirroredFrames = 0;
    };
    Counts Now() {
        std::lock_guard lock(mutex_);
        return CountsLocked();
    }
    template <class Predicate>
    bool WaitUntil(Predicate predicate) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPatience, [&] { return predicate(CountsLocked()); });
    }
    bool WaitMirrored(std::size_t frames) {
        return WaitUntil([frames](const Counts& c) { return c.mirroredFrames >= frames; });
    }
    std::vector<std::vector<Ev>> Mirrored() {
        std::lock_guard lock(mutex_);
        return mirrored_;
    }

    void SetGrabError(std::string error) {
        std::lock_guard lock(mutex_);
        grabError_ = std::move(error);
    }
    void FailMirrorWrites() {
        std::lock_guard lock(mutex_);
        failWrites_ = true;
    }
    void FailWatch() {
        std::lock_guard lock(mutex_);
        watchFails_ = true;
    }

    std::unique_ptr<EvdevNodeOpener> Opener() { return std::make_unique<FakeOpener>(*this); }
    std::unique_ptr<EvdevGrabber> Grabber() { return std::make_unique<FakeGrabber>(*this); }

private:
    struct Node {
        bool present = false;
        bool pointer = false;
        bool broken = false;
        std::string denied;
        int testEnd = -1;
    };

    class FakeWatch final : public EvdevNodeWatch {
    public:
        explicit FakeWatch(FakeEvdevSystem& system) : system_(system), fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
        ~FakeWatch() override {
            std::lock_guard lock(system_.mutex_);
            system_.watchFd_ = -1;
            close(fd_);
        }
        int Fd() const override { return fd_; }
        std::vector<EvdevNodeChange> Receive() override {
            uint64_t count = 0;
            [[maybe_unused]] const ssize_t drained = read(fd_, &count, sizeof count);
            std::lock_guard lock(system_.mutex_);
            return std::exchange(system_.changes_, {});
        }

    private:
        FakeEvdevSystem& system_;
        const int fd_;
    };

    class FakeOpener final : public EvdevNodeOpener {
    public:
        explicit FakeOpener(FakeEvdevSystem& system) : system_(system) {}
        std::unique_ptr<EvdevNodeWatch> Watch(std::string& error) override {
            std::lock_guard lock(system_.mutex_);
            if (system_.watchFails_) {
                error = "no udev here";
                return nullptr;
            }
            auto watch = std::make_unique<FakeWatch>(system_);
            system_.watchFd_ = watch->Fd();
            return watch;
        }
        std::vector<std::string> List() override {
            std::lock_guard lock(system_.mutex_);
            std::vector<std::string> devnodes;
            for (const auto& [devnode, node] : system_.nodes_) {
                if (node.present) devnodes.push_back(devnode);
            }
            return devnodes;
        }
        EvdevOpenedNode Open(const std::string& devnode) override {
            std::lock_guard lock(system_.mutex_);
            Node& node = system_.nodes_[devnode];
            ++system_.opens_;
            system_.changed_.notify_all();
            if (!node.denied.empty()) return {-1, false, node.denied};
            if (node.broken) return {open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC), node.pointer, {}};
            int ends[2];
            if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return {-1, false, "socketpair failed"};
            fcntl(ends[1], F_SETFL, O_NONBLOCK);
            if (node.testEnd >= 0) close(node.testEnd);
            node.testEnd = ends[0];
            return {ends[1], node.pointer, {}};
        }

    private:
        FakeEvdevSystem& system_;
    };

    class FakeMirror final : public EvdevMirror {
    public:
        explicit FakeMirror(FakeEvdevSystem& system) : system_(system) {}
        ~FakeMirror() override {
            std::lock_guard lock(system_.mutex_);
            --system_.liveMirrors_;
            system_.changed_.notify_all();
        }
        bool Write(std::span<const input_event> frame) override {
            std::lock_guard lock(system_.mutex_);
            if (system_.failWrites_) return false;
            system_.mirrored_.push_back(Strip(frame));
            system_.changed_.notify_all();
            return true;
        }

    private:
        FakeEvdevSystem& system_;
    };

    class FakeGrabber final : public EvdevGrabber {
    public:
        explicit FakeGrabber(FakeEvdevSystem& system) : system_(system) {}
        std::unique_ptr<EvdevMirror> Grab(int, std::string& error) override {
            std::lock_guard lock(system_.mutex_);
            ++system_.grabAttempts_;
            system_.changed_.notify_all();
            if (!system_.grabError_.empty()) {
                error = system_.grabError_;
                return nullptr;
            }
            ++system_.grabs_;
            ++system_.liveMirrors_;
            return std::make_unique<FakeMirror>(system_);
        }

    private:
        FakeEvdevSystem& system_;
    };

    void AnnounceLocked(EvdevNodeChange change) {
        changes_.push_back(std::move(change));
        if (watchFd_ < 0) return;
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(watchFd_, &one, sizeof one);
    }
    Counts CountsLocked() const { return {opens_, grabAttempts_, grabs_, liveMirrors_, mirrored_.size()}; }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::string, Node> nodes_;
    std::vector<EvdevNodeChange> changes_;
    int watchFd_ = -1;
    bool watchFails_ = false;
    int opens_ = 0;
    int grabAttempts_ = 0;
    int grabs_ = 0;
    int liveMirrors_ = 0;
    std::string grabError_;
    bool failWrites_ = false;
    std::vector<std::vector<Ev>> mirrored_;
};

}  // namespace oryn7px::testing
