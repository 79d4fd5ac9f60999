#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "core/base/messages.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/skin_scroll_bar.h"
#include "ui/skin/skin_scroll_wnd.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

using test::Flush;
using test::RecordingWidget;

class ListTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.Create(QRect(10, 10, 200, 200), &parent, 256);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }
    RecordingWidget parent;
    CListBoxEx list;
};

TEST_F(ListTest, AddRowPacksThePictureKindAndSetsThePictureSwitch) {
    list.AddRow("Key down A", 3, 0xAB123456u);
    EXPECT_EQ(list.RowValue(0), 0x03123456u);
    EXPECT_EQ(list.PictureSwitch(), 3u);
    EXPECT_EQ(list.currentRow(), 0);
    list.AddRow("Plain", 0, 0xAB123456u);
    EXPECT_EQ(list.RowValue(1), 0xAB123456u);
    EXPECT_EQ(list.PictureSwitch(), 0u);  // no row shows a picture now
    list.InsertRow(0, 2, "Inserted", 7);
    EXPECT_EQ(list.PictureSwitch(), 0u);
    list.ReplaceRow(2, 4, "Delay 10 ms", 10);
    EXPECT_EQ(list.RowText(2), "Delay 10 ms");
    EXPECT_EQ(list.RowValue(2), 0x0400000Au);
    EXPECT_EQ(list.currentRow(), 2);
    Flush();
    EXPECT_TRUE(parent.Received(UM_LIST_SELCHANGE).empty());  // programmatic changes are quiet
}

TEST_F(ListTest, TextMovesRightOnlyWhileThePictureSwitchIsOn) {
    list.SetColours(Qt::black, Qt::black);
    list.SetTextColours(Qt::white, Qt::white);
    auto firstTextColumn = [&] {
        const QImage image = list.viewport()->grab().toImage();
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < 20; ++y)
                if (image.pixelColor(x, y).lightness() > 128) return x;
        return -1;
    };
    list.AddRow("MMMM", 1, 0);
    const int indented = firstTextColumn();
    list.AddRow("MMMM", 0, 0);
    const int plain = firstTextColumn();
    EXPECT_GE(indented, 16 + 10);
    EXPECT_LT(plain, 16);
}

TEST_F(ListTest, UserSelectionNotifiesTheTarget) {
    list.AddRow("one", 0, 1);
    list.AddRow("two", 0, 2);
    RecordingWidget other;
    list.SetNotificationTarget(&other, true);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    Flush();
    const auto posted = other.Received(UM_LIST_SELCHANGE);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 256u);
    EXPECT_EQ(posted[0].lParam, 0);
    EXPECT_TRUE(parent.Received(UM_LIST_SELCHANGE).empty());
}

struct EditCase {
    const char* typed;
    Qt::Key finish;
    const char* expectedText;
    bool posted;
};

TEST_F(ListTest, InPlaceEditCommitsOnEnterAndCancelsOnEsc) {
    const EditCase cases[] = {
        {"Renamed", Qt::Key_Return, "Renamed", true},
        {"", Qt::Key_Return, "", true},  // an empty text is a valid commit
        {"Ignored", Qt::Key_Escape, "Macro 1", false},
    };
    for (const EditCase& c : cases) {
        list.clear();
        parent.messages.clear();
        list.AddRow("Macro 0", 0, 5);
        list.AddRow("Macro 1", 0, 6, true);
        ASSERT_NE(list.EditBox(), nullptr);
        EXPECT_EQ(list.EditBox()->selectedText(), "Macro 1");
        EXPECT_EQ(list.EditBox()->maxLength(), 20);
        list.EditBox()->setText(c.typed);
        QTest::keyClick(list.EditBox(), c.finish);
        Flush();
        EXPECT_EQ(list.RowText(1), c.expectedText) << c.typed;
        EXPECT_EQ(list.RowValue(1), 6u);
        EXPECT_EQ(list.currentRow(), 1);
        EXPECT_EQ(list.EditBox(), nullptr);
        const auto edited = parent.Received(UM_LIST_EDITED);
        EXPECT_EQ(edited.size(), c.posted ? 1u : 0u) << c.typed;
        if (c.posted && !edited.empty()) EXPECT_EQ(edited[0].lParam, 1);
    }
}

TEST_F(ListTest, DoubleClickEditsOnlyWhenEditable) {
    list.AddRow("Macro", 0, 1);
    const QPoint row = list.visualItemRect(list.item(0)).center();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(list.EditBox(), nullptr);
    list.SetEditable(true);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row);
    ASSERT_NE(list.EditBox(), nullptr);
    EXPECT_EQ(list.EditedRow(), 0);
}

QImage ScrollSkin() {
    QImage skin(9 * 12, 3 * 12, QImage::Format_ARGB32_Premultiplied);
    skin.fill(Qt::gray);
    return skin;
}

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.SetSkin(ScrollSkin());
        bar.setGeometry(0, 0, 12, 200);
        bar.SetScrollInfo({0, 99, 10, 0});
    }
    std::vector<Message> Scrolls() { return parent.Received(WM_VSCROLL); }
    RecordingWidget parent;
    CSkinScrollBar bar{Qt::Vertical, &parent};
};

TEST_F(ScrollBarTest, ArrowsAndPagesSendTheirScrollCodes) {
    const std::pair<int, int> clicks[] = {{5, 0}, {195, 1}, {150, 3}};
    for (auto [y, code] : clicks) {
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(6, y));
        ASSERT_FALSE(Scrolls().empty());
        EXPECT_EQ(Scrolls().back().wParam & 0xFFFF, static_cast<uintptr_t>(code)) << y;
        EXPECT_EQ(Scrolls().back().lParam, WindowHandle(&bar));
    }
}

TEST_F(ScrollBarTest, ThumbDragTracksAndEndsWithThumbPosition) {
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(6, 15));
    QMouseEvent move(QEvent::MouseMove, QPointF(6, 15 + 53), bar.mapToGlobal(QPointF(6, 68)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &move);
    EXPECT_EQ(bar.TrackingPos(), 30);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(6, 68));
    const auto sent = Scrolls();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].wParam, (30u << 16) | 5u);
    EXPECT_EQ(sent[1].wParam, (30u << 16) | 4u);
    EXPECT_EQ(bar.TrackingPos(), -1);
}

TEST(ScrollWnd, MirrorsTheViewAndScrollsIt) {
    QWidget parent;
    parent.resize(300, 300);
    auto* list = new CListBoxEx(&parent);
    list->setGeometry(10, 10, 150, 100);
    for (int i = 0; i < 40; ++i) list->AddRow(QString("Row %1").arg(i), 0, i);
    CSkinScrollWnd* frame = CSkinScrollWnd::Wrap(list, ScrollSkin());
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    EXPECT_EQ(frame->geometry(), QRect(10, 10, 150, 100));
    EXPECT_EQ(list->parentWidget(), frame);
    EXPECT_EQ(list->width(), 150 - 12);
    list->verticalScrollBar()->setValue(0);
    Flush();
    EXPECT_EQ(frame->VerticalBar().GetScrollInfo().pos, 0);
    EXPECT_TRUE(frame->VerticalBar().isEnabled());
    const int before = list->verticalScrollBar()->value();
    QTest::mouseClick(&frame->VerticalBar(), Qt::LeftButton, {}, QPoint(6, 95));  // second arrow
    EXPECT_EQ(list->verticalScrollBar()->value(), before + list->verticalScrollBar()->singleStep());
    EXPECT_EQ(frame->VerticalBar().GetScrollInfo().pos, list->verticalScrollBar()->value());
    delete list;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(parent.findChildren<CSkinScrollWnd*>().isEmpty());
}

}  // namespace
}  // namespace oryn7px
