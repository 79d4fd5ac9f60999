#include "core/device/apply_request.h"

#include <algorithm>
#include <utility>

#include "core/settings/macro_library.h"

namespace oryn7px {

std::unique_ptr<ApplySnapshot> TakeApplySnapshot(const SettingsState& state) {
    auto snapshot = std::make_unique<ApplySnapshot>();
    snapshot->profile = state.profile;
    std::copy_n(state.ButtonMacroId, kButtonCount, snapshot->ButtonMacroId.begin());
    for (int i = 0; i < kButtonCount; ++i) {
        if (state.profile.Buttons[i].nFunction != kFunctionMacro) continue;
        if (const MacroEntry* macro = FindMacroEntry(state.MacroTable, state.ButtonMacroId[i])) {
            snapshot->macros[static_cast<std::size_t>(i)] = *macro;
        }
    }
    snapshot->entry = state.currentEntry;
    return snapshot;
}

void ApplyMailbox::PutRequest(std::unique_ptr<ApplySnapshot> snapshot) {
    std::lock_guard lock(mutex_);
    request_ = std::move(snapshot);
}

std::unique_ptr<ApplySnapshot> ApplyMailbox::TakeRequest() {
    std::lock_guard lock(mutex_);
    return std::move(request_);
}

void ApplyMailbox::PutWritten(std::unique_ptr<ApplySnapshot> snapshot) {
    std::lock_guard lock(mutex_);
    written_ = std::move(snapshot);
}

std::unique_ptr<ApplySnapshot> ApplyMailbox::TakeWritten() {
    std::lock_guard lock(mutex_);
    return std::move(written_);
}

void ApplyMailbox::RequestFirmwareVersion() {
    std::lock_guard lock(mutex_);
    versionWanted_ = true;
}

bool ApplyMailbox::TakeFirmwareVersionRequest() {
    std::lock_guard lock(mutex_);
    return std::exchange(versionWanted_, false);
}

}  // namespace oryn7px
