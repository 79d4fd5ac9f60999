#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "core/base/messages.h"
#include "ui/skin/wnd_popup.h"
#include "ui/skin/xp_menu.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

using test::Flush;
using test::RecordingWidget;

class LanguageMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu = new CMenuExA;
        menu->Show(&owner, 100, 100, UM_SET_LANGUAGE);
    }
    void TearDown() override {
        if (menu) menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Move(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, menu->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &move);
    }
    RecordingWidget owner;
    QPointer<CMenuExA> menu;
};

TEST_F(LanguageMenuTest, TwelveLanguagesMake116By273) {
    EXPECT_EQ(menu->size(), QSize(116, 273));
    ASSERT_EQ(menu->Items().size(), 12u);
    EXPECT_EQ(menu->Items()[0].text, "Chinese");
    EXPECT_EQ(menu->Items()[11].text, "Trad.Chinese");
    EXPECT_EQ(menu->Items()[11].command, 12u);
}

TEST_F(LanguageMenuTest, ChoosingAnItemReportsItsCommand) {
    const QPoint english(50, 6 + 22 + 10);
    Move(english);
    EXPECT_EQ(menu->HoveredItem(), 1);
    QTest::mouseClick(menu, Qt::LeftButton, {}, english);
    const auto sent = owner.Received(UM_SET_LANGUAGE);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].wParam, 0u);
    EXPECT_EQ(sent[0].lParam, 2);
}

TEST_F(LanguageMenuTest, ReleasingOutsideEveryItemChoosesNothing) {
    Move({50, 17});
    QTest::mousePress(menu, Qt::LeftButton, {}, QPoint(50, 17));
    Move({2, 17});
    QTest::mouseRelease(menu, Qt::LeftButton, {}, QPoint(2, 17));
    EXPECT_TRUE(owner.Received(UM_SET_LANGUAGE).empty());
    EXPECT_EQ(menu->HoveredItem(), -1);
}

TEST_F(LanguageMenuTest, LosingActivationClosesWithoutAChoiceAndStillReportsZero) {
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(menu, &deactivate);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
    const auto sent = owner.Received(UM_SET_LANGUAGE);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].wParam, 0u);
    EXPECT_EQ(sent[0].lParam, 0);
}

TEST(MenuEx, PlainPopupWithoutBackgroundDrawsAnAccentFrame) {
    RecordingWidget owner;
    auto* menu = new CMenuEx;
    menu->AddItem("One", QImage(), 5);
    const QImage shot = menu->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0x00, 0x93, 0xD1));
    EXPECT_EQ(shot.pixelColor(3, 3), QColor(Qt::white));
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(XPMenu, ItemsMeasure75By22PlusTheCheckMarkColumnAndCarryTheirCommand) {
    CXPMenu menu;
    QAction* config = menu.AddItem(0x6000, "Config", QImage(), QImage());
    menu.AddItem(0x6001, "Exit", QImage(), QImage());
    menu.ensurePolished();
    EXPECT_EQ(menu.actionGeometry(config).size(), QSize(75 + 15, 22));
    EXPECT_EQ(config->data().toUInt(), 0x6000u);
    EXPECT_EQ(menu.grab().toImage().pixelColor(40, 2), QColor(0xDB, 0xD8, 0xD1));
}

}  // namespace
}  // namespace oryn7px
