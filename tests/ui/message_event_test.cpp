#include <QWidget>
#include <gtest/gtest.h>
#include <thread>

#include "core/base/messages.h"
#include "ui/skin/message_event.h"

namespace oryn7px {
namespace {

class MappedWindow : public QWidget {
public:
    std::vector<Message> hints, done;

protected:
    bool event(QEvent* e) override { return kMessageMap.Dispatch(*this, e) || QWidget::event(e); }

private:
    void OnShowHint(const Message& m) { hints.push_back(m); }
    void OnApplyDone(const Message& m) { done.push_back(m); }
    static inline const MessageMap<MappedWindow> kMessageMap{
        {UM_SHOW_HINT, &MappedWindow::OnShowHint},
        {UM_APPLY_DONE, &MappedWindow::OnApplyDone},
    };
};

TEST(MessageMap, PostsFromAnotherThreadReachTheirHandlersInOrder) {
    MappedWindow window;
    QtMessageTarget target(&window);
    std::thread worker([&] {
        for (intptr_t hint = 1; hint <= 3; ++hint) target.Post({UM_SHOW_HINT, 0, hint});
        target.Post({UM_APPLY_DONE, 0, 0});
        target.Post({0x9999, 0, 0});  // not in the map: ignored
    });
    worker.join();
    EXPECT_TRUE(window.hints.empty());  // posted, not delivered yet
    QCoreApplication::processEvents();
    ASSERT_EQ(window.hints.size(), 3u);
    EXPECT_EQ(window.hints[2].lParam, 3);
    EXPECT_EQ(window.done.size(), 1u);
}

TEST(MessageMap, SendDeliversAtOnce) {
    MappedWindow window;
    SendMessageTo(&window, {UM_SHOW_HINT, 0, 11});
    ASSERT_EQ(window.hints.size(), 1u);
    EXPECT_EQ(window.hints[0].lParam, 11);
}

}  // namespace
}  // namespace oryn7px
