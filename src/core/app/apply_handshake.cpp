#include "core/app/apply_handshake.h"

namespace oryn7px {

bool RequestApply(ApplyShared& shared, const ProfileStore& store) {
    if (shared.applyReady != 1 || !store.CanSaveCurrentProfileAndIndex()) return false;
    shared.hApplyEvent.Set();
    return true;
}

bool OnApplyDone(ProfileStore& store, ApplyShared& shared) {
    const bool saved = store.SaveCurrentProfileAndIndex();
    shared.applyReady = 1;
    return saved;
}

void OnApplyFailed(intptr_t code, ApplyShared& shared, UserMessages& messages) {
    messages.ShowInfoBox(ApplyFailureText(code), false);
    shared.applyReady = 1;
}

}  // namespace oryn7px
