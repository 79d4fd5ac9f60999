#pragma once
// The end of the desktop session: termination signals ask the program to close (the normal
// close sequence runs on the UI thread, so nothing held in memory is lost), and the session
// manager's commit request asks it to keep its data.
#include <QObject>
#include <functional>

#include "core/interfaces/termination_signals.h"

class QSocketNotifier;

namespace oryn7px {

class SessionEndWatcher final : public QObject {
    Q_OBJECT
public:
    // Both run on the UI thread. `termination` outlives the watcher, which starts and stops it.
    SessionEndWatcher(TerminationSignals& termination, std::function<void()> onCloseRequest,
                      std::function<void()> onCommitData);
    ~SessionEndWatcher() override;

    // False when the signals could not be routed (the program then ends the default way).
    bool IsWatching() const { return notifier_ != nullptr; }

private:
    void OnWake();

    TerminationSignals& termination_;
    std::function<void()> onCloseRequest_;
    std::function<void()> onCommitData_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace oryn7px
