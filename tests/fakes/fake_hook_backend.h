#pragma once
// An input-hook backend that tests drive by hand.
#include <string>
#include <vector>

#include "core/interfaces/input_hook_backend.h"

namespace oryn7px::testing {

class FakeHookBackend final : public InputHookBackend {
public:
    bool Install(InputHookSink& sink) override {
        ++installs;
        if (!accept) return false;
        this->sink = &sink;
        return true;
    }
    void Remove() override {
        ++removes;
        sink = nullptr;
    }
    void SetInterceptedButtons(const std::vector<uint32_t>& codes) override { published.push_back(codes); }
    std::string Status() const override { return accept ? "" : "no display"; }

    bool accept = true;
    int installs = 0;
    int removes = 0;
    InputHookSink* sink = nullptr;
    std::vector<std::vector<uint32_t>> published;
};

}  // namespace oryn7px::testing
