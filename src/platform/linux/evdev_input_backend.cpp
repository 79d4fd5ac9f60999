#include "platform/linux/evdev_input_backend.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/linux/evdev_input_translate.h"
#include "platform/linux/evdev_mouse_nodes.h"
#include "platform/linux/evdev_uinput_grabber.h"
#include "platform/posix/retry_on_eintr.h"

namespace oryn7px {

namespace {

constexpr std::size_t kReadEvents = 64;

std::unique_ptr<EvdevGrabber> GrabberFor(EvdevMode mode, std::unique_ptr<EvdevGrabber> grabber) {
    return mode == EvdevMode::kIntercept ? std::move(grabber) : nullptr;
}

}  // namespace

struct EvdevInputBackend::Node {
    Node(std::string path, int descriptor, bool isPointer, InputHookSink& sink)
        : devnode(std::move(path)), fd(descriptor), pointer(isPointer), translator(sink) {}
    ~Node() {
        mirror.reset();  // releases the grab, which needs the descriptor
        close(fd);
    }
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    const std::string devnode;
    const int fd;
    const bool pointer;
    EvdevTranslator translator;
    std::unique_ptr<EvdevMirror> mirror;  // while grabbed
    // Real nodes give whole events; a byte stream may stop inside one.
    std::array<unsigned char, kReadEvents * sizeof(input_event)> buffer{};
    std::size_t held = 0;
    bool gone = false;
};

EvdevInputBackend::EvdevInputBackend(EvdevMode mode, EvdevTravel& travel, Notice notice)
    : EvdevInputBackend(mode, travel, std::make_unique<UdevEvdevNodes>(), std::make_unique<UinputGrabber>(),
                        std::move(notice)) {}

EvdevInputBackend::EvdevInputBackend(EvdevMode mode, EvdevTravel& travel, std::unique_ptr<EvdevNodeOpener> nodes,
                                     std::unique_ptr<EvdevGrabber> grabber, Notice notice)
    : travel_(travel),
      opener_(std::move(nodes)),
      grabber_(GrabberFor(mode, std::move(grabber))),
      notice_(std::move(notice)) {}

EvdevInputBackend::~EvdevInputBackend() { Remove(); }

bool EvdevInputBackend::Install(InputHookSink& sink) {
    Remove();
    {
        std::lock_guard lock(mutex_);
        unreadable_.clear();
        serviceProblem_.clear();
        grabProblem_.clear();
    }
    const int wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) return Fail("cannot create the wake-up descriptor of the input thread");
    sink_ = &sink;
    grabFailed_ = false;
    std::string watchError;
    watch_ = opener_->Watch(watchError);
    for (const std::string& devnode : opener_->List()) OpenNode(devnode);
    std::lock_guard lock(mutex_);
    if (!watch_) serviceProblem_ = watchError + ": a mouse plugged in later is not heard";
    if (!watch_ && nodes_.empty()) {
        close(wakeFd);
        sink_ = nullptr;
        return false;
    }
    wakeFd_ = wakeFd;
    stop_ = false;
    thread_ = std::thread([this] { Run(); });
    runThreadId_ = thread_.get_id();
    running_ = true;
    return true;
}

void EvdevInputBackend::Remove() {
    {
        std::lock_guard lock(mutex_);
        if (!running_) return;
        running_ = false;
        stop_ = true;
        Wake();
    }
    setApplied_.notify_all();
    thread_.join();
    nodes_.clear();
    watch_.reset();
    sink_ = nullptr;
    // Other threads wake the input thread only under the lock, so the descriptor is never reused under them.
    std::lock_guard lock(mutex_);
    openNodes_ = 0;
    close(wakeFd_);
    wakeFd_ = -1;
}

void EvdevInputBackend::SetInterceptedButtons(const std::vector<uint32_t>& codes) {
    std::unique_lock lock(mutex_);
    intercepting_ = !codes.empty();
    const uint64_t request = ++requested_;
    if (!running_ || !grabber_ || std::this_thread::get_id() == runThreadId_) return;
    Wake();
    setApplied_.wait_for(lock, std::chrono::seconds(2), [&] { return applied_ >= request || !running_; });
}

std::string EvdevInputBackend::Status() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> parts;
    if (!grabber_) {
        parts.emplace_back(
            "the mouse's input nodes are only observed: buttons with a host action also reach other programs");
    }
    if (openNodes_ == 0 && unreadable_.empty()) {
        parts.emplace_back("the mouse's input nodes are not present: nothing is heard until it is plugged in");
    }
    for (const auto& [devnode, why] : unreadable_) parts.push_back("cannot read " + devnode + " (" + why + ")");
    if (!serviceProblem_.empty()) parts.push_back(serviceProblem_);
    if (!grabProblem_.empty()) parts.push_back(grabProblem_);
    std::string status;
    for (const std::string& part : parts) status += (status.empty() ? "" : "; ") + part;
    return status;
}

bool EvdevInputBackend::Fail(std::string why) {
    std::lock_guard lock(mutex_);
    serviceProblem_ = std::move(why);
    return false;
}

void EvdevInputBackend::Wake() {
    if (wakeFd_ < 0) return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
}

void EvdevInputBackend::Run() {
    std::vector<pollfd> fds;
    while (!stop_) {
        ApplyGrab();
        fds.assign({{wakeFd_, POLLIN, 0}});
        if (watch_) fds.push_back({watch_->Fd(), POLLIN, 0});
        const std::size_t firstNode = fds.size();
        for (const auto& node : nodes_) fds.push_back({node->fd, POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0) continue;
        if (fds[0].revents & POLLIN) {
            uint64_t count = 0;
            [[maybe_unused]] const ssize_t drained = read(wakeFd_, &count, sizeof count);
        }
        for (std::size_t i = 0; i < nodes_.size(); ++i) {
            if (fds[firstNode + i].revents) ReadNode(*nodes_[i]);
        }
        DropGoneNodes();
        if (!watch_ || !fds[1].revents) continue;
        if (fds[1].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            watch_.reset();
            std::lock_guard lock(mutex_);
            serviceProblem_ = "the watch for input devices failed: a mouse plugged in later is not heard";
        } else {
            OnNodeChanges();
        }
    }
}

void EvdevInputBackend::ApplyGrab() {
    std::unique_lock lock(mutex_);
    const bool wanted = intercepting_ && grabber_;
    const uint64_t request = requested_;
    lock.unlock();
    if (request != seenRequest_) {
        seenRequest_ = request;
        grabFailed_ = false;
    }
    Node* pointer = PointerNode();
    // A button held down keeps the grab as it is, so that its release goes where its press went.
    for (const auto& node : nodes_) {
        const bool keep = wanted && node.get() == pointer;
        if (node->mirror && !keep && !node->translator.AnyKeyDown()) node->mirror.reset();
    }
    if (wanted && pointer && !pointer->mirror && !grabFailed_ && !pointer->translator.AnyKeyDown()) Grab(*pointer);
    lock.lock();
    applied_ = request;
    lock.unlock();
    setApplied_.notify_all();
}

void EvdevInputBackend::Grab(Node& node) {
    std::string error;
    node.mirror = grabber_->Grab(node.fd, error);
    if (!node.mirror) {
        grabFailed_ = true;
        GrabProblem("buttons with a host action also reach other programs: " + node.devnode + ": " + error);
        return;
    }
    std::lock_guard lock(mutex_);
    grabProblem_.clear();
}

EvdevInputBackend::Node* EvdevInputBackend::PointerNode() const {
    const auto pointer =
        std::find_if(nodes_.begin(), nodes_.end(), [](const auto& n) { return n->pointer && !n->gone; });
    return pointer == nodes_.end() ? nullptr : pointer->get();
}

void EvdevInputBackend::OpenNode(const std::string& devnode) {
    if (std::any_of(nodes_.begin(), nodes_.end(), [&](const auto& n) { return n->devnode == devnode; })) return;
    const EvdevOpenedNode opened = opener_->Open(devnode);
    if (opened.fd < 0) {
        {
            std::lock_guard lock(mutex_);
            unreadable_[devnode] = opened.error;
        }
        Tell("cannot read " + devnode + " (" + opened.error + ")");
        return;
    }
    // A mouse plugged in again is worth a new try at the grab.
    if (opened.pointer) grabFailed_ = false;
    nodes_.push_back(std::make_unique<Node>(devnode, opened.fd, opened.pointer, *sink_));
    std::lock_guard lock(mutex_);
    unreadable_.erase(devnode);
    openNodes_ = nodes_.size();
}

void EvdevInputBackend::CloseNode(const std::string& devnode) {
    for (const auto& node : nodes_) {
        if (node->devnode == devnode) node->gone = true;
    }
    DropGoneNodes();
    std::lock_guard lock(mutex_);
    unreadable_.erase(devnode);
}

void EvdevInputBackend::DropGoneNodes() {
    std::erase_if(nodes_, [](const auto& node) { return node->gone; });
    std::lock_guard lock(mutex_);
    openNodes_ = nodes_.size();
}

void EvdevInputBackend::OnNodeChanges() {
    for (const EvdevNodeChange& change : watch_->Receive()) {
        if (change.added) {
            OpenNode(change.devnode);
        } else {
            CloseNode(change.devnode);
        }
    }
}

void EvdevInputBackend::ReadNode(Node& node) {
    for (;;) {
        const std::size_t room = node.buffer.size() - node.held;
        const ssize_t n = RetryOnEintr([&] { return read(node.fd, node.buffer.data() + node.held, room); });
        if (n < 0 && errno == EAGAIN) return;
        if (n <= 0) {
            // End of file or ENODEV: the mouse was unplugged. Any other error is worth a word.
            if (n < 0 && errno != ENODEV) {
                Tell("reading " + node.devnode + " failed (" + std::strerror(errno) + "); it is closed");
            }
            node.gone = true;
            return;
        }
        node.held += static_cast<std::size_t>(n);
        const std::size_t whole = node.held / sizeof(input_event);
        for (std::size_t i = 0; i < whole; ++i) {
            input_event event;
            std::memcpy(&event, node.buffer.data() + i * sizeof event, sizeof event);
            Dispatch(node, event);
        }
        node.held -= whole * sizeof(input_event);
        std::memmove(node.buffer.data(), node.buffer.data() + whole * sizeof(input_event), node.held);
        // A short read emptied the node; a full one may have left more.
        if (static_cast<std::size_t>(n) < room) return;
    }
}

void EvdevInputBackend::Dispatch(Node& node, const input_event& event) {
    const std::optional<EvdevFrame> frame = node.translator.Add(event, node.mirror != nullptr);
    if (!frame) return;
    if (frame->travel != 0) travel_.Add(frame->travel);
    if (!node.mirror || frame->passOn.empty() || node.mirror->Write(frame->passOn)) return;
    // The mouse must not go dead behind a grab whose mirror no longer passes its events on.
    node.mirror.reset();
    grabFailed_ = true;
    GrabProblem("the uinput mirror of " + node.devnode +
                " stopped taking events; buttons with a host action reach other programs again");
}

void EvdevInputBackend::GrabProblem(std::string why) {
    {
        std::lock_guard lock(mutex_);
        if (grabProblem_ == why) return;
        grabProblem_ = why;
    }
    Tell(why);
}

void EvdevInputBackend::Tell(const std::string& text) const {
    if (notice_) notice_(text);
}

}  // namespace oryn7px
