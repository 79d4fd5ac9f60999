#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "core/base/messages.h"
#include "ui/skin/png_progress_bar.h"
#include "ui/skin/png_slider.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

using test::Flush;
using test::PixelOf;
using test::RecordingWidget;
using test::Solid;

QImage ThumbPicture() {
    // A 10 × 10 disc on a magenta corner colour.
    QImage thumb = Solid(Qt::magenta, {10, 10});
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x) thumb.setPixelColor(x, y, Qt::white);
    return thumb;
}

class SliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.Create(ThumbPicture(), QRect(100, 50, 203, 10), &parent, 2564);
        bar.SetRange(1, 10);
        bar.SetPos(1);
    }
    void ClickBar(int parentX) {
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(parentX - bar.x(), 5));
        Flush();
    }
    RecordingWidget parent;
    CPngHSliderBar bar;
};

TEST_F(SliderTest, ClickAtTheFarRightGivesTheMaximumAndTellsTheParent) {
    ClickBar(100 + 202);
    EXPECT_EQ(bar.GetPos(), 10);
    const auto posted = parent.Received(UM_SLIDER_POS);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 10u);
    EXPECT_EQ(posted[0].lParam, 2564);
    EXPECT_EQ(bar.Thumb().x(), 100 + 203 - 10);
    EXPECT_EQ(bar.Thumb().y(), 50 + 10 - 10);
}

TEST_F(SliderTest, ShortRangesRoundUpAtTheirRightEnd) {
    for (int maximum : {3, 5}) {
        bar.SetRange(1, maximum);
        ClickBar(100 + 200);
        EXPECT_EQ(bar.GetPos(), maximum);
    }
}

TEST_F(SliderTest, SetPosOutsideTheRangePutsTheThumbAtTheMinimum) {
    bar.SetPos(7);
    bar.SetPos(11);
    EXPECT_EQ(bar.GetPos(), 1);
    EXPECT_EQ(bar.Thumb().x(), 100);
}

TEST_F(SliderTest, DisabledBarIgnoresClicksAndDragsButFollowsSetPos) {
    bar.Enable(false);
    ClickBar(300);
    EXPECT_EQ(bar.GetPos(), 1);
    QTest::mousePress(&bar.Thumb(), Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(105, 5), bar.Thumb().mapToGlobal(QPointF(105, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar.Thumb(), &move);
    Flush();
    EXPECT_EQ(bar.GetPos(), 1);
    EXPECT_TRUE(parent.Received(UM_SLIDER_POS).empty());
    bar.SetPos(6);
    EXPECT_EQ(bar.GetPos(), 6);
}

TEST_F(SliderTest, DraggingTheThumbReportsThroughTheBar) {
    QTest::mousePress(&bar.Thumb(), Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(5 + 193 / 2.0, 5), bar.Thumb().mapToGlobal(QPointF(5 + 193 / 2.0, 5)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar.Thumb(), &move);
    Flush();
    const auto posted = parent.Received(UM_SLIDER_POS);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 5u);  // 1 + 9 × 96 / 193
    EXPECT_EQ(posted[0].lParam, 2564);
}

TEST_F(SliderTest, ThumbTakesTheShapeOfItsPicture) {
    EXPECT_FALSE(bar.Thumb().mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(bar.Thumb().mask().contains(QPoint(5, 5)));
}

TEST(ProgressBar, NoFillAtTheMinimumAndAFullFillAtTheMaximum) {
    RecordingWidget parent;
    CPngHProgressBar bar;
    bar.Create(QRect(35, 47, 260, 9), &parent, 777);
    bar.SetPictures(QRect(35, 47, 260, 9), Solid(Qt::black), Solid(Qt::white));
    bar.SetRange(0, 100);
    bar.SetPos(0);
    EXPECT_EQ(PixelOf(bar, {0, 4}), QColor(Qt::black));
    bar.SetPos(100);
    EXPECT_EQ(PixelOf(bar, {0, 4}), QColor(Qt::white));
    EXPECT_EQ(PixelOf(bar, {259, 4}), QColor(Qt::white));
    bar.SetPos(50);
    EXPECT_EQ(PixelOf(bar, {129, 4}), QColor(Qt::white));
    EXPECT_EQ(PixelOf(bar, {131, 4}), QColor(Qt::black));
}

TEST(ProgressBar, DragPostsThePositionOnRelease) {
    RecordingWidget parent;
    CPngHProgressBar bar;
    bar.Create(QRect(35, 47, 260, 9), &parent, 777);
    bar.SetRange(0, 100);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(65, 4));
    Flush();
    const auto posted = parent.Received(UM_PROGRESS_DRAGGED);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 25u);
    EXPECT_EQ(posted[0].lParam, 777);
}

}  // namespace
}  // namespace oryn7px
