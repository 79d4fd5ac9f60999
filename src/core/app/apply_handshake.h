#pragma once
// The main window's side of a write to the mouse: ask for one, and settle its outcome.
#include <cstdint>

#include "core/device/apply_worker.h"
#include "core/interfaces/user_messages.h"
#include "core/settings/profile_store.h"

namespace oryn7px {

// Unless a pass is running, or the profile could not be saved afterwards (its file or the index
// exists but cannot be read: the mouse would get settings nobody can keep): hands the worker a
// copy of the current profile and wakes it. True when the caller should show the progress window
// (the Apply button's pass), or wait for the pass's result (an automatic switch's, which writes
// only what differs from what the mouse holds).
bool RequestApply(ApplyShared& shared, const SettingsState& state, const ProfileStore& store,
                  ApplyScope scope = ApplyScope::kWhole);

// UM_APPLY_DONE: the mouse holds the profile the worker wrote, so the profile file and the index
// follow that profile (not whatever the UI changed meanwhile).
bool OnApplyDone(ProfileStore& store, ApplyShared& shared);

// UM_APPLY_FAILED: tell the user; nothing is saved, so the files keep what the mouse last accepted.
void OnApplyFailed(intptr_t code, ApplyShared& shared, UserMessages& messages);

}  // namespace oryn7px
