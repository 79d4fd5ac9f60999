#pragma once
// What one pass writes, copied on the UI thread when the user applies: the worker never reads
// the live settings, which the UI thread keeps changing under the progress window (a hint
// rewrites a button name). The save after success saves this copy, which is what the mouse holds.
#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "core/settings/settings_state.h"

namespace oryn7px {

// How much of a snapshot its pass writes: everything, as the Apply button asks; or only what
// differs from the last pass completed on the current link, as an automatic switch asks.
enum class ApplyScope { kWhole, kChanges };

struct ApplySnapshot {
    ProfileData profile{};
    std::array<uint32_t, kButtonCount> ButtonMacroId{};
    // The library's record of each macro button's macro, when the library has one.
    std::array<std::optional<MacroEntry>, kButtonCount> macros{};
    int entry = 0;  // the profile-index entry whose file the profile is saved to
    ApplyScope scope = ApplyScope::kWhole;
};

std::unique_ptr<ApplySnapshot> TakeApplySnapshot(const SettingsState& state);

// The hand-over between the UI thread and the worker. The UI puts a request and sets the
// worker's event; the worker hands back the snapshot it wrote before it posts UM_APPLY_DONE.
class ApplyMailbox {
public:
    void PutRequest(std::unique_ptr<ApplySnapshot> snapshot);
    std::unique_ptr<ApplySnapshot> TakeRequest();
    void PutWritten(std::unique_ptr<ApplySnapshot> snapshot);
    std::unique_ptr<ApplySnapshot> TakeWritten();
    void RequestFirmwareVersion();
    bool TakeFirmwareVersionRequest();

private:
    std::mutex mutex_;
    std::unique_ptr<ApplySnapshot> request_;
    std::unique_ptr<ApplySnapshot> written_;
    bool versionWanted_ = false;
};

}  // namespace oryn7px
