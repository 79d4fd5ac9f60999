// The message box and the progress window.
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/base/messages.h"
#include "core/interfaces/user_messages.h"
#include "ui/frame/info_dialog.h"
#include "ui/frame/progress_dialog.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/message_event.h"
#include "ui/skin/skin_resources.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override { SetProgramFolder(QStringLiteral(ORYN7PX_TEST_PROGRAM_DIR)); }
    void TearDown() override { SetProgramFolder(QString()); }
};

// Runs the box modally and does `act` once its loop runs; returns what exec returned.
int RunBox(CDlgInfo& box, const std::function<void()>& act) {
    QTimer::singleShot(0, &box, act);
    return box.exec();
}

TEST_F(DialogsTest, CountDownShowsFiveTwiceAndClosesAtTheSixthTick) {
    CDlgInfo box(QStringLiteral("The ORYN7PX gaming mouse cannot be found."), false, true, false);
    EXPECT_EQ(box.CountDownTimer().interval(), 1000);
    EXPECT_TRUE(box.CountDownTimer().isActive());
    std::vector<QString> shown{box.OkText()};
    bool openAfterFifth = false;
    const int result = RunBox(box, [&] {
        for (int tick = 1; tick <= 5; ++tick) {
            box.OnCountDownTick();
            shown.push_back(box.OkText());
        }
        openAfterFifth = box.isVisible();
        box.OnCountDownTick();
    });
    EXPECT_EQ(shown, (std::vector<QString>{"OK (5s)", "OK (5s)", "OK (4s)", "OK (3s)", "OK (2s)", "OK (1s)"}));
    EXPECT_TRUE(openAfterFifth);
    EXPECT_EQ(result, kBoxCancel);
    EXPECT_FALSE(box.CountDownTimer().isActive());
}

TEST_F(DialogsTest, CountDownBoxSitsInTheLowerRightCorner) {
    CDlgInfo box(QStringLiteral("x"), false, true, true);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(box.size(), QSize(330, 160));
    EXPECT_EQ(box.pos(), QPoint(screen.width() - 330 - 10, screen.height() - 160));
    EXPECT_EQ(box.OkText(), QStringLiteral("确定 (5s)"));
}

TEST_F(DialogsTest, ChineseQuestionBox) {
    CDlgInfo box(QStringLiteral("删除?"), true, false, true);
    EXPECT_TRUE(box.HasCancel());
    EXPECT_EQ(box.OkText(), QStringLiteral("确定"));
    EXPECT_EQ(box.CancelText(), QStringLiteral("取消"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("TavikORYN7PXInfoDlg"));
    EXPECT_FALSE(box.CountDownTimer().isActive());
    CDlgInfo english(QStringLiteral("x"), false, false, false);
    EXPECT_FALSE(english.HasCancel());
    EXPECT_EQ(english.OkText(), QStringLiteral("OK"));
    EXPECT_EQ(english.OkButton()->geometry(), QRect(240, 127, 66, 32));
}

TEST_F(DialogsTest, AnswersOneOnlyForOk) {
    struct Case {
        const char* what;
        std::function<void(CDlgInfo&)> act;
        int result;
    };
    const Case cases[] = {
        {"ok", [](CDlgInfo& box) { QTest::mouseClick(box.OkButton(), Qt::LeftButton); }, kBoxOk},
        {"close button", [](CDlgInfo& box) { QTest::mouseClick(box.CloseButton(), Qt::LeftButton); }, kBoxCancel},
        {"close", [](CDlgInfo& box) { box.close(); }, kBoxCancel},
        {"escape", [](CDlgInfo& box) { QTest::keyClick(&box, Qt::Key_Escape); }, kBoxCancel},
    };
    for (const Case& c : cases) {
        CDlgInfo box(QStringLiteral("Delete?"), true, false, false);
        EXPECT_EQ(RunBox(box, [&] { c.act(box); }), c.result) << c.what;
    }
}

TEST_F(DialogsTest, ProgressWindowIgnoresKeysAndClosesHalfASecondAfterOneHundred) {
    CDlgProgress progress;
    bool stillOpen = false;
    int position = -1;
    QTimer::singleShot(0, &progress, [&] {
        PostMessageTo(&progress, {UM_APPLY_PROGRESS, 40, 0});
        QTest::keyClick(&progress, Qt::Key_Escape);
        QTest::keyClick(&progress, Qt::Key_F4, Qt::AltModifier);
        QTest::keyClick(&progress, Qt::Key_Return);
        progress.close();
        test::Flush();
        stillOpen = progress.isVisible();
        position = progress.Position();
        // The worker's own close right after 100 % waits for the full bar's moment too.
        PostMessageTo(&progress, {UM_APPLY_PROGRESS, 100, 0});
        PostMessageTo(&progress, {WM_CLOSE, 0, 0});
    });
    QElapsedTimer clock;
    clock.start();
    progress.RunModal();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(position, 40);
    EXPECT_GE(clock.elapsed(), 450);
    EXPECT_EQ(progress.windowTitle(), QStringLiteral("TavikORYN7PXProcessDlg"));
}

TEST_F(DialogsTest, ProgressWindowClosesAtOnceOnAFailedPass) {
    CDlgProgress progress;
    int positionAtStart = -1;
    QTimer::singleShot(0, &progress, [&] {
        positionAtStart = progress.Position();
        PostMessageTo(&progress, {UM_APPLY_PROGRESS, 30, 0});
        PostMessageTo(&progress, {WM_CLOSE, 0, 0});
    });
    progress.RunModal();
    EXPECT_EQ(positionAtStart, 0);
    EXPECT_EQ(progress.Position(), 30);
    EXPECT_FALSE(progress.isVisible());
    // The next run starts again at 0.
    QTimer::singleShot(0, &progress, [&] {
        positionAtStart = progress.Position();
        PostMessageTo(&progress, {WM_CLOSE, 0, 0});
    });
    progress.RunModal();
    EXPECT_EQ(positionAtStart, 0);
}

}  // namespace
}  // namespace oryn7px
