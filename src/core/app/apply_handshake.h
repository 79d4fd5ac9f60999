#pragma once
// The main window's side of a write to the mouse: ask for one, and settle its outcome.
#include <cstdint>

#include "core/device/apply_worker.h"
#include "core/platform/user_messages.h"
#include "core/settings/profile_store.h"

namespace oryn7px {

// Wakes the worker unless a pass is running. True when the caller should show the progress window.
bool RequestApply(ApplyShared& shared);

// UM_APPLY_DONE: the mouse holds the profile, so the profile file and the index may follow it.
bool OnApplyDone(ProfileStore& store, ApplyShared& shared);

// UM_APPLY_FAILED: tell the user; nothing is saved, so the files keep what the mouse last accepted.
void OnApplyFailed(intptr_t code, ApplyShared& shared, UserMessages& messages);

}  // namespace oryn7px
