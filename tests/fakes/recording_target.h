#pragma once
// A message target that keeps every posted message, for tests.
#include <mutex>
#include <utility>
#include <vector>

#include "core/base/message.h"

namespace oryn7px::testing {

class RecordingTarget final : public MessageTarget {
public:
    void Post(const Message& message) override {
        std::lock_guard lock(mutex_);
        messages_.push_back(message);
    }
    std::vector<Message> Take() {
        std::lock_guard lock(mutex_);
        return std::exchange(messages_, {});
    }

private:
    std::mutex mutex_;
    std::vector<Message> messages_;
};

}  // namespace oryn7px::testing
