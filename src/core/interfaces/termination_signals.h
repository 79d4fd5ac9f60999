#pragma once
// Requests from outside to end the program: logging out, shutting down, `kill`. They arrive at
// any moment on any thread, so they are only noted there; the owner takes them on its own
// thread once the wake handle is readable.
#include <cstdint>

namespace oryn7px {

class TerminationSignals {
public:
    virtual ~TerminationSignals() = default;
    // Begins catching them; false when they cannot be routed (the program then ends the default
    // way). One catcher per process.
    virtual bool Start() = 0;
    // Gives the requests back their default effect.
    virtual void Stop() = 0;
    // Readable while a noted request waits to be taken; valid between Start and Stop.
    virtual intptr_t WakeHandle() const = 0;
    // Takes every noted request; true when there was one.
    virtual bool TakeRequests() = 0;
};

}  // namespace oryn7px
