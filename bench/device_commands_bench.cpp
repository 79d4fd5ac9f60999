// Each device command against the in-process virtual mouse (strict timing on) on the real
// clock: the time a command takes beside the sum of the pauses the protocol asks for.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <vector>

#include "core/device/protocol/dpi_encoder.h"
#include "core/device/protocol/lighting_encoder.h"
#include "core/device/protocol/report_rate_encoder.h"
#include "core/device/usb_driver.h"
#include "platform/emulator/virtual_mouse.h"

namespace {

using namespace oryn7px;

// Sleeps for real and adds up what it was asked to sleep.
class PauseCountingClock final : public Clock {
public:
    void SleepMs(uint32_t milliseconds) override {
        pausedMs += milliseconds;
        real_.SleepMs(milliseconds);
    }
    uint32_t TickCount() override { return real_.TickCount(); }

    uint64_t pausedMs = 0;

private:
    RealClock real_;
};

void RunCommand(benchmark::State& state, const std::function<bool(CUSBDriver&)>& command) {
    PauseCountingClock clock;
    VirtualMouse mouse(clock, {.strictTiming = true});
    CUSBDriver driver(mouse, clock);
    if (!driver.OpenDevice()) {
        state.SkipWithError("the virtual mouse was not found");
        return;
    }
    double measuredMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = command(driver);
        measuredMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!ok) state.SkipWithError("the command failed");
        // The gap a command may need after the one before stays out of the measurement.
        state.PauseTiming();
        RealClock().SleepMs(60);
        state.ResumeTiming();
    }
    const double iterations = static_cast<double>(state.iterations());
    const double pausesMs = static_cast<double>(clock.pausedMs) / iterations;
    state.counters["measured_ms"] = measuredMs / iterations;
    state.counters["pauses_ms"] = pausesMs;
    state.counters["overhead_pct"] = pausesMs > 0 ? (measuredMs / iterations - pausesMs) / pausesMs * 100 : 0;
    if (!mouse.State().violations.empty()) state.SkipWithError(mouse.State().violations.front().c_str());
}

const std::vector<uint8_t> kColours(32, 0x11);
const std::vector<uint8_t> kDpi(16, 0x22);
const std::vector<uint8_t> kMatrix(64, 0x33);

MacroImage Image() {
    MacroImage image;
    image.bytes.fill(0x44);
    image.paddedLength = 1024;
    return image;
}

// Each command as the apply pass sends it: encoded, then sent.
void RunEncoded(benchmark::State& s, DeviceCommand (*encode)()) {
    RunCommand(s, [encode](CUSBDriver& d) { return d.Send(encode()).Ok(); });
}

void BM_WriteReportRate(benchmark::State& s) { RunEncoded(s, [] { return EncodeReportRate(8); }); }
void BM_WriteTouch(benchmark::State& s) { RunEncoded(s, [] { return EncodeTouch(1, 1); }); }
void BM_WriteDpiFollowUp(benchmark::State& s) { RunEncoded(s, [] { return EncodeDpiFollowUp(0); }); }
void BM_WriteLedColor(benchmark::State& s) { RunEncoded(s, [] { return EncodeSingleColor({0xFA, 0x05, 0x7E}); }); }
void BM_WriteEffect(benchmark::State& s) { RunEncoded(s, [] { return EncodeEffect({5, 3, 1}); }); }
void BM_WriteLedColorTable(benchmark::State& s) {
    RunEncoded(s, [] { return CommandWith(CommandId::kColorTable, kColours); });
}
void BM_WriteDpiTable(benchmark::State& s) { RunEncoded(s, [] { return CommandWith(CommandId::kDpiTable, kDpi); }); }
void BM_WriteKeyMatrix(benchmark::State& s) {
    RunEncoded(s, [] { return CommandWith(CommandId::kKeyMatrix, kMatrix); });
}
void BM_UploadMacro(benchmark::State& s) {
    const MacroImage image = Image();
    RunCommand(s, [&](CUSBDriver& d) { return d.UploadMacroImage(1, image).Ok(); });
}
void BM_ReadFirmwareVersion(benchmark::State& s) {
    RunCommand(s, [](CUSBDriver& d) { return d.ReadFirmwareVersion().Ok(); });
}

}  // namespace

BENCHMARK(BM_WriteReportRate)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTouch)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDpiFollowUp)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLedColor)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteEffect)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLedColorTable)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDpiTable)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteKeyMatrix)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UploadMacro)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFirmwareVersion)->Iterations(10)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
