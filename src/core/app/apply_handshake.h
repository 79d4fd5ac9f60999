#pragma once
// The main window's side of a write to the mouse: ask for one, and settle its outcome.
#include <cstdint>

#include "core/device/apply_worker.h"
#include "core/platform/user_messages.h"
#include "core/settings/profile_store.h"

namespace oryn7px {

// Wakes the worker unless a pass is running or the profile could not be saved afterwards (its
// file or the index exists but cannot be read: the mouse would get settings nobody can keep).
// True when the caller should show the progress window.
bool RequestApply(ApplyShared& shared, const ProfileStore& store);

// UM_APPLY_DONE: the mouse holds the profile, so the profile file and the index may follow it.
bool OnApplyDone(ProfileStore& store, ApplyShared& shared);

// UM_APPLY_FAILED: tell the user; nothing is saved, so the files keep what the mouse last accepted.
void OnApplyFailed(intptr_t code, ApplyShared& shared, UserMessages& messages);

}  // namespace oryn7px
