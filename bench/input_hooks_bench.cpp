// The hook procedures hold up every key and mouse event of the desktop until they return.
#include <benchmark/benchmark.h>

#include "core/device/hook_codes.h"
#include "core/device/input_hooks.h"

namespace oryn7px {
namespace {

class NullBackend final : public InputHookBackend {
public:
    bool Install(InputHookSink&) override { return true; }
    void Remove() override {}
    void SetInterceptedButtons(const std::vector<uint32_t>&) override {}
    std::string Status() const override { return {}; }
};

class CountingTarget final : public MessageTarget {
public:
    void Post(const Message&) override { ++posted; }
    uint64_t posted = 0;
};

// A full intercept list, notify-all and forwarding on: the longest path through the procedures.
void BM_MouseProcWorstCase(benchmark::State& state) {
    NullBackend backend;
    InputHooks hooks(backend);
    CountingTarget owner;
    hooks.InstallInputHooks(&owner);
    hooks.SetButtonNotify(true);
    for (uint32_t code = 1; code <= InputHooks::kInterceptSlots; ++code) hooks.InterceptButton(0x10000 + code);
    for (auto _ : state) {
        benchmark::DoNotOptimize(hooks.MouseProc(WM_XBUTTONDOWN, XBUTTON2_DATA));
        benchmark::DoNotOptimize(hooks.MouseProc(WM_XBUTTONUP, XBUTTON2_DATA));
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_MouseProcWorstCase);

void BM_KeyboardProc(benchmark::State& state) {
    NullBackend backend;
    InputHooks hooks(backend);
    CountingTarget owner;
    hooks.InstallInputHooks(&owner);
    for (auto _ : state) benchmark::DoNotOptimize(hooks.KeyboardProc(0x41, 0));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyboardProc);

}  // namespace
}  // namespace oryn7px
