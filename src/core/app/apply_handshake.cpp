#include "core/app/apply_handshake.h"

namespace oryn7px {

bool RequestApply(ApplyShared& shared, const SettingsState& state, const ProfileStore& store, ApplyScope scope) {
    if (!shared.deviceState.Read().applyReady || !store.CanSaveCurrentProfileAndIndex()) return false;
    std::unique_ptr<ApplySnapshot> snapshot = TakeApplySnapshot(state);
    snapshot->scope = scope;
    shared.mailbox.PutRequest(std::move(snapshot));
    shared.hApplyEvent.Set();
    return true;
}

bool OnApplyDone(ProfileStore& store, ApplyShared& shared) {
    const std::unique_ptr<ApplySnapshot> written = shared.mailbox.TakeWritten();
    const bool saved =
        written && store.SaveProfileAndIndex(written->entry, written->profile, written->ButtonMacroId);
    shared.deviceState.ApplySettled();
    return saved;
}

void OnApplyFailed(intptr_t code, ApplyShared& shared, UserMessages& messages) {
    messages.ShowInfoBox(ApplyFailureText(code), false);
    shared.deviceState.ApplySettled();
}

}  // namespace oryn7px
