#pragma once
// A message target the command line drains on its own thread, with notes from the platform between.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

#include "core/base/message.h"

namespace oryn7px::cli {

struct QueuedItem {
    Message message;
    std::string note;  // set for a note instead of a message
};

class MessageQueue final : public MessageTarget {
public:
    void Post(const Message& message) override { Push({message, {}}); }
    void PostNote(std::string note) { Push({{}, std::move(note)}); }

    // The next item, or nothing when the timeout passed first.
    std::optional<QueuedItem> WaitFor(std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, timeout, [this] { return !items_.empty(); })) return std::nullopt;
        QueuedItem item = std::move(items_.front());
        items_.pop_front();
        return item;
    }

private:
    void Push(QueuedItem item) {
        {
            std::lock_guard lock(mutex_);
            items_.push_back(std::move(item));
        }
        arrived_.notify_one();
    }

    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<QueuedItem> items_;
};

}  // namespace oryn7px::cli
