#pragma once
// Where the session hides other programs' keys from us (Wayland), the keys typed into the
// program's own windows feed the input hooks, so key capture and macro recording still work.
#include <QObject>

#include "core/interfaces/input_hook_backend.h"
#include "platform/linux/x11_input_translate.h"

namespace oryn7px {

class WindowKeyFeed final : public QObject {
public:
    // Watches every key event of the application until destroyed.
    explicit WindowKeyFeed(InputHookSink& sink);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputHookSink& sink_;
    HookKeyTranslator keys_;
};

}  // namespace oryn7px
