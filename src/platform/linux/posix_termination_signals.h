#pragma once
// SIGTERM, SIGHUP and SIGINT noted by a handler that only writes a byte to a socket pair.
#include "core/interfaces/termination_signals.h"

namespace oryn7px {

class PosixTerminationSignals final : public TerminationSignals {
public:
    PosixTerminationSignals() = default;
    ~PosixTerminationSignals() override;
    PosixTerminationSignals(const PosixTerminationSignals&) = delete;
    PosixTerminationSignals& operator=(const PosixTerminationSignals&) = delete;

    bool Start() override;
    void Stop() override;
    intptr_t WakeHandle() const override { return readEnd_; }
    bool TakeRequests() override;

private:
    int readEnd_ = -1;
};

}  // namespace oryn7px
