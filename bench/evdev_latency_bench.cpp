// What the evdev backend adds to every mouse event while a button is intercepted: a frame goes
// into the mouse's node (a socket pair here), through the input thread, the translation and the
// hooks, and out of the mirror (a pipe here). One frame at a time, so each figure is latency
// without queueing. Beside it the floor: a thread that only copies the bytes across, which
// costs the same two wake-ups.
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "core/device/hook_codes.h"
#include "core/device/input_hooks.h"
#include "platform/linux/evdev_input_backend.h"

namespace oryn7px {
namespace {

constexpr const char* kNode = "/dev/input/event5";
constexpr int kWarmUpFrames = 2000;
constexpr int kMeasuredFrames = 30000;

class BenchNodes final : public EvdevNodeOpener {
public:
    explicit BenchNodes(int fd) : fd_(fd) {}
    std::unique_ptr<EvdevNodeWatch> Watch(std::string& error) override {
        error = "no hot-plug in the benchmark";
        return nullptr;
    }
    std::vector<std::string> List() override { return {kNode}; }
    EvdevOpenedNode Open(const std::string&) override { return {fd_, true, {}}; }

private:
    int fd_;
};

class PipeMirror final : public EvdevMirror {
public:
    explicit PipeMirror(int fd) : fd_(fd) {}
    bool Write(std::span<const input_event> frame) override {
        return write(fd_, frame.data(), frame.size_bytes()) == static_cast<ssize_t>(frame.size_bytes());
    }

private:
    int fd_;
};

class PipeGrabber final : public EvdevGrabber {
public:
    explicit PipeGrabber(int fd) : fd_(fd) {}
    std::unique_ptr<EvdevMirror> Grab(int, std::string&) override { return std::make_unique<PipeMirror>(fd_); }

private:
    int fd_;
};

class CountingTarget final : public MessageTarget {
public:
    void Post(const Message&) override { ++posted; }
    uint64_t posted = 0;
};

input_event Event(uint16_t type, uint16_t code, int32_t value) {
    input_event event{};
    event.type = type;
    event.code = code;
    event.value = value;
    return event;
}

struct Frame {
    std::vector<input_event> in;
    std::size_t outEvents;  // what the mirror passes on
};

// Motion, a left click, and motion with an intercepted press (swallowed, the motion passes).
std::vector<Frame> Frames() {
    const input_event syn = Event(EV_SYN, SYN_REPORT, 0);
    return {
        {{Event(EV_REL, REL_X, 3), Event(EV_REL, REL_Y, -2), syn}, 3},
        {{Event(EV_MSC, MSC_SCAN, 0x90001), Event(EV_KEY, BTN_LEFT, 1), syn}, 3},
        {{Event(EV_MSC, MSC_SCAN, 0x90001), Event(EV_KEY, BTN_LEFT, 0), syn}, 3},
        {{Event(EV_REL, REL_X, 1), Event(EV_KEY, BTN_EXTRA, 1), syn}, 2},
        {{Event(EV_REL, REL_Y, 1), Event(EV_KEY, BTN_EXTRA, 0), syn}, 2},
    };
}

bool ReadFully(int fd, std::size_t bytes) {
    std::vector<unsigned char> buffer(bytes);
    std::size_t got = 0;
    while (got < bytes) {
        const ssize_t n = read(fd, buffer.data() + got, bytes - got);
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

double Percentile(const std::vector<double>& sorted, double p) {
    return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(p * static_cast<double>(sorted.size())))];
}

// Writes each frame into `in` and waits for what comes out of `out`; microseconds per measured frame.
std::vector<double> PingPong(int in, int out) {
    const std::vector<Frame> frames = Frames();
    std::vector<double> micros;
    micros.reserve(kMeasuredFrames);
    for (int i = 0; i < kWarmUpFrames + kMeasuredFrames; ++i) {
        const Frame& frame = frames[static_cast<std::size_t>(i) % frames.size()];
        const std::size_t inBytes = frame.in.size() * sizeof(input_event);
        const auto start = std::chrono::steady_clock::now();
        if (write(in, frame.in.data(), inBytes) != static_cast<ssize_t>(inBytes) ||
            !ReadFully(out, frame.outEvents * sizeof(input_event))) {
            std::fprintf(stderr, "evdev_latency_bench: frame %d was lost\n", i);
            return {};
        }
        const auto end = std::chrono::steady_clock::now();
        if (i >= kWarmUpFrames) micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    return micros;
}

void Print(const char* name, const std::vector<double>& micros) {
    if (micros.empty()) return;
    std::printf("%-40s p50 %7.1f us   p99 %7.1f us   max %8.1f us\n", name, Percentile(micros, 0.50),
                Percentile(micros, 0.99), micros.back());
}

struct Channels {
    Channels() {
        ok = socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, node) == 0 && pipe2(mirror, O_CLOEXEC) == 0;
    }
    int node[2] = {-1, -1};    // [0] the test writes, [1] the backend reads
    int mirror[2] = {-1, -1};  // [1] the mirror writes, [0] the test reads
    bool ok = false;
};

// The floor: the bytes of each frame as they are, minus the events the backend swallows.
std::vector<double> MeasureFloor() {
    Channels c;
    if (!c.ok) return {};
    std::thread copier([&] {
        const std::vector<Frame> frames = Frames();
        for (int i = 0; i < kWarmUpFrames + kMeasuredFrames; ++i) {
            const Frame& frame = frames[static_cast<std::size_t>(i) % frames.size()];
            if (!ReadFully(c.node[1], frame.in.size() * sizeof(input_event))) return;
            const std::size_t outBytes = frame.outEvents * sizeof(input_event);
            [[maybe_unused]] const ssize_t n = write(c.mirror[1], frame.in.data(), outBytes);
        }
    });
    std::vector<double> micros = PingPong(c.node[0], c.mirror[0]);
    copier.join();
    for (int fd : {c.node[0], c.node[1], c.mirror[0], c.mirror[1]}) close(fd);
    return micros;
}

std::vector<double> MeasureBackend(uint64_t& posted) {
    Channels c;
    if (!c.ok) return {};
    fcntl(c.node[1], F_SETFL, O_NONBLOCK);
    EvdevTravel travel;
    EvdevInputBackend backend(EvdevMode::kIntercept, travel, std::make_unique<BenchNodes>(c.node[1]),
                              std::make_unique<PipeGrabber>(c.mirror[1]));
    InputHooks hooks(backend);
    CountingTarget owner;
    if (!hooks.InstallInputHooks(&owner)) {
        std::fprintf(stderr, "evdev_latency_bench: %s\n", backend.Status().c_str());
        return {};
    }
    hooks.InterceptButton(kHookCodeForward);
    std::vector<double> micros = PingPong(c.node[0], c.mirror[0]);
    hooks.RemoveInputHooks();  // closes the backend's end of the node
    posted = owner.posted;
    for (int fd : {c.node[0], c.mirror[0], c.mirror[1]}) close(fd);
    return micros;
}

int Run() {
    uint64_t posted = 0;
    const std::vector<double> floor = MeasureFloor();
    const std::vector<double> backend = MeasureBackend(posted);
    if (floor.empty() || backend.empty()) return 1;
    std::printf("%d frames after %d of warm-up, one at a time (the hooks posted %llu messages)\n", kMeasuredFrames,
                kWarmUpFrames, static_cast<unsigned long long>(posted));
    Print("floor: a thread copying the bytes", floor);
    Print("evdev backend, frame in -> mirror out", backend);
    return 0;
}

}  // namespace
}  // namespace oryn7px

int main() { return oryn7px::Run(); }
