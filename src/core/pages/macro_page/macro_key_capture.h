#pragma once
// The macro page borrows the keyboard from the input hooks while it records or captures a key.
#include "core/base/message.h"

namespace oryn7px {
class InputHooks;
}

namespace oryn7px::macro_page {

class KeyCapture {
public:
    // `hooks` may be null where the desktop's input cannot be seen: capture then does nothing.
    KeyCapture(InputHooks* hooks, MessageTarget* owner) : hooks_(hooks), owner_(owner) {}

    // On: `owner` receives the keyboard's events as UM_HOOK_INPUT. Off: forwarding stops.
    void Set(bool on);

private:
    InputHooks* hooks_;
    MessageTarget* owner_;
};

}  // namespace oryn7px::macro_page
