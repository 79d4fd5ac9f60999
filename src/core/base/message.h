#pragma once
// Windows and threads talk by posted messages: a number and two parameters.
#include <cstdint>

namespace oryn7px {

struct Message {
    uint32_t msg = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;

    friend bool operator==(const Message&, const Message&) = default;
};

// Something that accepts posted messages. Post must be safe to call from any thread and
// must not wait for the message to be handled.
class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    virtual void Post(const Message& message) = 0;
};

}  // namespace oryn7px
