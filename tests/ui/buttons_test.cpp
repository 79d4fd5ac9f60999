#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "core/layout/frame_layout.h"
#include "core/base/messages.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/color_btn.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/skin_resources.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

using test::Flush;
using test::PixelOf;
using test::RecordingWidget;
using test::Solid;

const QColor kNormal{10, 20, 30}, kHover{40, 50, 60}, kPressed{70, 80, 90}, kDisabled{100, 110, 120};

class BitmapButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button.Create(QRect(100, 50, 60, 24), &parent, 1001);
        button.SetPictures(QRect(100, 50, 60, 24), Solid(kNormal), Solid(kHover), Solid(kPressed), Solid(kDisabled));
    }
    QColor Shown() { return PixelOf(button, {2, 2}); }

    RecordingWidget parent;
    CGDIBitmapBtn button;
};

struct LookCase {
    bool checkDisplay, checked, pressed, hover, enabled;
    ButtonLook expected;
};

// Button and popup texts from the language files shrink to fit, never end in an ellipsis.
TEST(FittingSkinFont, ShrinksWithinItsSizesUntilTheTextFits) {
    const QString face = QStringLiteral("MS Shell Dlg");
    const QString text = QStringLiteral("Übernehmen");
    const int roomy = QFontMetrics(SkinFont(face, 14, 300)).horizontalAdvance(text);
    EXPECT_EQ(FittingSkinFont(face, 14, 8, 300, text, roomy).pixelSize(), 14);
    const QFont tight = FittingSkinFont(face, 14, 8, 300, text, roomy * 3 / 4);
    EXPECT_LT(tight.pixelSize(), 14);
    EXPECT_GE(tight.pixelSize(), 8);
    EXPECT_LE(QFontMetrics(tight).horizontalAdvance(text), roomy * 3 / 4);
    EXPECT_EQ(FittingSkinFont(face, 14, 8, 300, text, 5).pixelSize(), 8) << "never below the smallest size";
}

TEST(ButtonLookRule, FirstMatchingRuleWins) {
    const LookCase cases[] = {
        {true, true, false, true, true, ButtonLook::Pressed},     // checked beats hover
        {true, false, true, false, true, ButtonLook::Normal},     // check display: pressing alone shows nothing
        {false, true, false, false, true, ButtonLook::Normal},    // checked ignored without check display
        {false, false, true, true, true, ButtonLook::Pressed},
        {false, false, false, true, false, ButtonLook::Hover},    // hover comes before disabled
        {false, false, false, false, false, ButtonLook::Disabled},
        {true, true, false, false, false, ButtonLook::Pressed},
    };
    for (const LookCase& c : cases)
        EXPECT_EQ(ChooseButtonLook(c.checkDisplay, c.checked, c.pressed, c.hover, c.enabled), c.expected);
}

TEST_F(BitmapButtonTest, PictureFollowsTheState) {
    EXPECT_EQ(Shown(), kNormal);
    button.SetMode(true, false);
    button.SetChecked(true);
    EXPECT_EQ(Shown(), kPressed);
    button.SetChecked(false);
    button.setEnabled(false);
    EXPECT_EQ(Shown(), kDisabled);
}

// Looks cut from one picture share their piece; each look still shows its own picture.
TEST_F(BitmapButtonTest, LooksFromTheSamePictureShowThatPicture) {
    const QImage first = Solid(kNormal), second = Solid(kHover);
    button.SetPictures(QRect(100, 50, 60, 24), second, first, first, second);
    button.SetMode(true, false);
    EXPECT_EQ(Shown(), kHover);  // normal: the second picture
    button.SetChecked(true);
    EXPECT_EQ(Shown(), kNormal);  // pressed: the first
    button.SetChecked(false);
    button.setEnabled(false);
    EXPECT_EQ(Shown(), kHover);  // disabled: the second
}

TEST_F(BitmapButtonTest, CheckDisplayWithoutToggleIsChangedOnlyByItsOwner) {
    button.SetMode(true, false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.GetChecked());
    button.SetMode(true, true);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(button.GetChecked());
    EXPECT_EQ(Shown(), kPressed);
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(BitmapButtonTest, SetCheckedWithTheSameValueDoesNotRepaint) {
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    PaintCounter counter;
    button.installEventFilter(&counter);
    Flush();
    counter.paints = 0;
    button.SetChecked(false);
    Flush();
    EXPECT_EQ(counter.paints, 0);
    button.SetChecked(true);
    Flush();
    EXPECT_GE(counter.paints, 1);
}

TEST_F(BitmapButtonTest, PressNotificationPostsDownAndUpWithItsHandle) {
    button.SetPressNotify(true);
    int clicks = 0;
    QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
    QTest::mouseClick(&button, Qt::LeftButton);
    Flush();
    const auto posted = parent.Received(UM_BUTTON_MOUSE);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].wParam, 513u);
    EXPECT_EQ(posted[1].wParam, 514u);
    EXPECT_EQ(posted[0].lParam, WindowHandle(&button));
    EXPECT_EQ(clicks, 1);
}

TEST_F(BitmapButtonTest, MouseMovesReachTheParentInItsCoordinates) {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 7), button.mapToGlobal(QPointF(5, 7)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &move);
    Flush();
    const auto moves = parent.Received(WM_MOUSEMOVE);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().lParam, MakeLParam(105, 57));
}

TEST_F(BitmapButtonTest, TextIsDrawnInTheColourOfTheLook) {
    button.resize(120, 24);
    button.SetPictures(QRect(0, 0, 120, 24), Solid(Qt::black), Solid(Qt::black), Solid(Qt::black), Solid(Qt::black));
    button.SetText(QStringLiteral("WWWW"));
    const QImage image = button.grab().toImage();
    bool sawText = false;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            sawText |= image.pixelColor(x, y).red() > 0x80;  // normal text RGB(BD, BD, C8)
    EXPECT_TRUE(sawText);
}

class IrrButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent.resize(main_window::kWidth, main_window::kHeight);
        for (int i = 0; i < 2; ++i) {
            tabs[i].Create(main_window::kPageTabs[i], &parent);
            tabs[i].SetPictures(Solid(kNormal), Solid(kPressed), Solid(kHover), Solid(kDisabled));
        }
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }
    RecordingWidget parent;
    CIrrButton tabs[2];
};

TEST_F(IrrButtonTest, ClickOutsideTheParallelogramReachesTheSiblingBeneath) {
    // (200, 90) lies in both bounding boxes but only inside the second tab's outline.
    EXPECT_EQ(parent.childAt(200, 90), &tabs[1]);
    EXPECT_EQ(parent.childAt(200, 118), &tabs[0]);
    QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, QPoint(200, 90));
    Flush();
    const auto commands = parent.Received(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].lParam, WindowHandle(&tabs[1]));
    EXPECT_EQ(commands[0].wParam, 0u);
}

TEST_F(IrrButtonTest, HighlightModeShowsThePressedPictureWhileSelected) {
    tabs[0].SetHighlightMode(true);
    tabs[0].SetHighlighted(true);
    EXPECT_EQ(tabs[0].CurrentPicture(), 1);
    EXPECT_EQ(PixelOf(tabs[0], {20, 20}), kPressed);
    tabs[0].SetHighlighted(false);
    EXPECT_EQ(PixelOf(tabs[0], {20, 20}), kNormal);
    tabs[1].setEnabled(false);
    EXPECT_EQ(tabs[1].CurrentPicture(), 3);
}

TEST_F(IrrButtonTest, PicturesAreCutAtTheButtonsPlaceOnTheFullWindowPicture) {
    QImage picture = Solid(kNormal);
    picture.setPixelColor(30 + 5, 85 + 30, QColor(1, 2, 3));
    tabs[0].SetPictures(picture, picture, picture, picture);
    EXPECT_EQ(PixelOf(tabs[0], {5, 30}), QColor(1, 2, 3));
}

TEST(ColorBtn, PaintsItsColour) {
    CColorBtn button;
    button.resize(20, 20);
    button.SetColour(QColor(0x00, 0x93, 0xD1));
    EXPECT_EQ(PixelOf(button, {10, 10}), QColor(0x00, 0x93, 0xD1));
}

TEST(BitmapEdit, KeepsItsRangeAndLimitsTheText) {
    CBitmapEdit edit;
    edit.SetRange(100, 16000);
    edit.SetBackground(QRect(0, 0, 40, 18), Solid(Qt::darkGray));
    EXPECT_EQ(edit.Minimum(), 100);
    EXPECT_EQ(edit.Maximum(), 16000);
    EXPECT_EQ(edit.maxLength(), 256);
    EXPECT_FALSE(edit.hasFrame());
}

}  // namespace
}  // namespace oryn7px
