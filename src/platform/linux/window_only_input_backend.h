#pragma once
// The hooks' backend for a desktop whose input the program cannot see.
#include <string>
#include <vector>

#include "core/interfaces/input_hook_backend.h"

namespace oryn7px {

// Input hooks where the desktop's input cannot be seen at all: nothing is installed, the keys of
// the program's own windows are all the hooks hear.
class WindowOnlyInputBackend final : public InputHookBackend {
public:
    explicit WindowOnlyInputBackend(std::string status) : status_(std::move(status)) {}
    bool Install(InputHookSink&) override { return true; }
    void Remove() override {}
    void SetInterceptedButtons(const std::vector<uint32_t>&) override {}
    std::string Status() const override { return status_; }

private:
    std::string status_;
};

}  // namespace oryn7px
