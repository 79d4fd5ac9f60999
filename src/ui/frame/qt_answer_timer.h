#pragma once
// Timer 5 of the support page on the UI thread's event loop; the firmware-check thread may stop it.
#include <QObject>
#include <QTimer>
#include <functional>

#include "core/firmware/firmware_checker.h"

namespace oryn7px {

class QtAnswerTimer final : public QObject, public AnswerTimer {
    Q_OBJECT
public:
    // Create on the UI thread; `onExpiry` runs there.
    explicit QtAnswerTimer(std::function<void()> onExpiry);

    void Start(uint32_t milliseconds) override;
    void Stop() override;
    bool IsActive() const { return timer_.isActive(); }

private:
    QTimer timer_;
};

}  // namespace oryn7px
