#pragma once
// What the evdev backend asks of the system, kept thin so that tests can hand it socket pairs:
// the mouse's event nodes (listed, watched, opened for reading) and the grab of one of them
// behind a uinput mirror.
#include <linux/input.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace oryn7px {

struct EvdevNodeChange {
    bool added = false;
    std::string devnode;  // /dev/input/eventN
};

// Tells when the mouse's event nodes come and go.
class EvdevNodeWatch {
public:
    virtual ~EvdevNodeWatch() = default;
    // Readable while changes wait.
    virtual int Fd() const = 0;
    // Additions name the mouse's nodes only; removals may name any node.
    virtual std::vector<EvdevNodeChange> Receive() = 0;
};

struct EvdevOpenedNode {
    int fd = -1;           // non-blocking, owned by the caller; -1 when the node cannot be read
    bool pointer = false;  // reports BTN_LEFT and REL_X: the node that is grabbed
    std::string error;     // why the node cannot be read
};

class EvdevNodeOpener {
public:
    virtual ~EvdevNodeOpener() = default;
    // Started before the nodes are listed, so that none plugged in between is missed. Null
    // with `error` set when changes cannot be watched.
    virtual std::unique_ptr<EvdevNodeWatch> Watch(std::string& error) = 0;
    virtual std::vector<std::string> List() = 0;
    virtual EvdevOpenedNode Open(const std::string& devnode) = 0;
};

// What other programs receive from a grabbed node.
class EvdevMirror {
public:
    // Releases the grab and removes the mirror.
    virtual ~EvdevMirror() = default;
    // One frame, its SYN_REPORT last. False when the mirror no longer takes events.
    virtual bool Write(std::span<const input_event> frame) = 0;
};

class EvdevGrabber {
public:
    virtual ~EvdevGrabber() = default;
    // Grabs the node read through `fd` (which stays the caller's) and gives it a mirror; null
    // with `error` set when either fails, the node left as it was.
    virtual std::unique_ptr<EvdevMirror> Grab(int fd, std::string& error) = 0;
};

}  // namespace oryn7px
