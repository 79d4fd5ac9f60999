// The message box and the progress window.
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/app_texts.h"
#include "core/base/messages.h"
#include "core/i18n/languages.h"
#include "core/i18n/string_table.h"
#include "core/interfaces/user_messages.h"
#include "platform/linux/iconv_code_page_converter.h"
#include "ui/frame/gui_user_messages.h"
#include "ui/frame/info_dialog.h"
#include "ui/frame/progress_dialog.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/message_event.h"
#include "ui/skin/skin_resources.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

constexpr int kGerman = 5;

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(QStringLiteral(ORYN7PX_TEST_PROGRAM_DIR));
        UseLanguage(kLanguageEnglish);
    }
    void TearDown() override { SetProgramFolder(QString()); }
    void UseLanguage(int number) { strings.LoadLanguageFile(LanguageFilePath(ORYN7PX_TEST_PROGRAM_DIR, number)); }
    QString Caption(CaptionId id) const { return QString::fromStdU16String(strings.Caption(id)); }

    IconvCodePageConverter converter;
    StringTable strings{converter};
};

// Runs the box modally and does `act` once its loop runs; returns what exec returned.
int RunBox(CDlgInfo& box, const std::function<void()>& act) {
    QTimer::singleShot(0, &box, act);
    return box.exec();
}

TEST_F(DialogsTest, CountDownShowsFiveTwiceAndClosesAtTheSixthTick) {
    CDlgInfo box(QStringLiteral("The ORYN7PX gaming mouse cannot be found."), false, true, strings);
    EXPECT_EQ(box.CountDownTimer().interval(), 1000);
    EXPECT_TRUE(box.CountDownTimer().isActive());
    std::vector<QString> shown{box.OkText()};
    bool openAfterFifth = false;
    const int result = RunBox(box, [&] {
        // A language switch while the box is open leaves the box as it opened.
        UseLanguage(kLanguageSimplifiedChinese);
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
    UseLanguage(kLanguageSimplifiedChinese);
    CDlgInfo box(QStringLiteral("x"), false, true, strings);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(box.size(), QSize(330, 160));
    EXPECT_EQ(box.pos(), QPoint(screen.width() - 330 - 10, screen.height() - 160));
    EXPECT_EQ(box.OkText(), QStringLiteral("确定 (5s)"));
}

TEST_F(DialogsTest, ChineseQuestionBox) {
    UseLanguage(kLanguageSimplifiedChinese);
    CDlgInfo box(QStringLiteral("删除?"), true, false, strings);
    EXPECT_TRUE(box.HasCancel());
    EXPECT_EQ(box.OkText(), QStringLiteral("确定"));
    EXPECT_EQ(box.CancelText(), QStringLiteral("取消"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("TavikORYN7PXInfoDlg"));
    EXPECT_FALSE(box.CountDownTimer().isActive());
    UseLanguage(kLanguageEnglish);
    CDlgInfo english(QStringLiteral("x"), false, false, strings);
    EXPECT_FALSE(english.HasCancel());
    EXPECT_EQ(english.OkText(), QStringLiteral("OK"));
    EXPECT_EQ(english.OkButton()->geometry(), QRect(240, 127, 66, 32));
}

QStringList Sorted(QStringList texts) {
    texts.sort();
    return texts;
}

// The boxes the program shows through its messages draw the captions of the language loaded when
// they open: English, then German from its file, where no English caption that differs is left.
TEST_F(DialogsTest, BoxesDrawTheCaptionsOfTheUiLanguage) {
    struct Case {
        const char* what;
        std::function<int(UserMessages&)> show;
        std::function<QStringList()> captions;  // in the loaded language
    };
    const Case cases[] = {
        {"question", [](UserMessages& m) { return m.ShowInfoBox(u"Delete?", true); },
         [this] {
             return QStringList{Caption(CaptionId::BoxTips), Caption(CaptionId::BoxOk), Caption(CaptionId::BoxCancel)};
         }},
        {"information", [](UserMessages& m) { return m.ShowInfoBox(u"Saved.", false); },
         [this] { return QStringList{Caption(CaptionId::BoxTips), Caption(CaptionId::BoxOk)}; }},
        {"count-down", [](UserMessages& m) { return m.ShowCountDownBox(u"Found."); },
         [this] {
             return QStringList{Caption(CaptionId::BoxTips),
                                QString::fromStdU16String(CountDownOkText(strings.Caption(CaptionId::BoxOk), 5))};
         }},
    };
    GuiUserMessages messages(strings);
    for (const Case& c : cases) {
        std::map<int, QStringList> drawn;
        std::map<int, QStringList> expected;
        for (int language : {kLanguageEnglish, kGerman}) {
            UseLanguage(language);
            expected[language] = c.captions();
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<CDlgInfo*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr) << c.what;
                drawn[language] = DrawnCaptions(*box);
                box->close();
            });
            EXPECT_EQ(c.show(messages), kBoxCancel) << c.what;
        }
        EXPECT_EQ(Sorted(drawn[kLanguageEnglish]), Sorted(expected[kLanguageEnglish])) << c.what;
        EXPECT_EQ(Sorted(drawn[kGerman]), Sorted(expected[kGerman])) << c.what;
        for (const QString& english : expected[kLanguageEnglish]) {
            if (!expected[kGerman].contains(english)) EXPECT_FALSE(drawn[kGerman].contains(english)) << c.what;
        }
    }
    // The German file's own words, not the English of a missing key.
    EXPECT_EQ(Caption(CaptionId::BoxTips), QStringLiteral("Hinweis"));
    EXPECT_EQ(Caption(CaptionId::BoxCancel), QStringLiteral("Abbrechen"));
}

// The close sequence and the session's end never wait for a click: what would have been a box is
// reported, and a question is answered Cancel.
TEST_F(DialogsTest, UnattendedMessagesAreReportedNotShown) {
    GuiUserMessages messages(strings);
    std::vector<std::string> reported;
    messages.BeginUnattended([&](std::string_view text) { reported.emplace_back(text); });
    int boxesOpened = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ++boxesOpened;
            box->close();
        }
    });
    watcher.start(10);
    EXPECT_EQ(messages.ShowInfoBox(u"Sts.cfg cannot be read; the change was refused.", false), kBoxOk);
    EXPECT_EQ(messages.ShowInfoBox(u"Delete?", true), kBoxCancel);
    EXPECT_EQ(messages.ShowCountDownBox(u"Found."), kBoxOk);
    messages.ShowInfoCaptionBox(u"Ünreadable");
    EXPECT_EQ(boxesOpened, 0);
    EXPECT_EQ(reported, (std::vector<std::string>{"Sts.cfg cannot be read; the change was refused.", "Delete?", "Found.",
                                                  "Ünreadable"}));
}

// A box already open when the close begins (a failure box, the firmware answer) is answered
// Cancel at once and its message reported, whichever kind of box it is.
TEST_F(DialogsTest, ABoxOpenWhenTheCloseBeginsIsAnsweredAndReported) {
    struct Case {
        const char* what;
        std::function<int(UserMessages&)> show;
        int answer;
        std::string reported;
    };
    const Case cases[] = {
        {"question", [](UserMessages& m) { return m.ShowInfoBox(u"Delete?", true); }, kBoxCancel, "Delete?"},
        {"information", [](UserMessages& m) { return m.ShowInfoBox(u"Firmware is current.", false); }, kBoxCancel,
         "Firmware is current."},
        {"count-down", [](UserMessages& m) { return m.ShowCountDownBox(u"Found."); }, kBoxCancel, "Found."},
        {"plain",
         [](UserMessages& m) {
             m.ShowInfoCaptionBox(u"Ünreadable");
             return kBoxOk;
         },
         kBoxOk, "Ünreadable"},
    };
    for (const Case& c : cases) {
        GuiUserMessages messages(strings);
        std::vector<std::string> reported;
        QTimer::singleShot(0, [&] {
            ASSERT_NE(QApplication::activeModalWidget(), nullptr) << c.what;
            messages.BeginUnattended([&](std::string_view text) { reported.emplace_back(text); });
        });
        // Without the answer the box would wait for a click; this one fails the case instead.
        QTimer safetyNet;
        safetyNet.setSingleShot(true);
        QObject::connect(&safetyNet, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        safetyNet.start(3000);
        EXPECT_EQ(c.show(messages), c.answer) << c.what;
        EXPECT_TRUE(safetyNet.isActive()) << c.what;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.what;
        EXPECT_EQ(reported, std::vector{c.reported}) << c.what;
    }
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
        CDlgInfo box(QStringLiteral("Delete?"), true, false, strings);
        EXPECT_EQ(RunBox(box, [&] { c.act(box); }), c.result) << c.what;
    }
}

TEST_F(DialogsTest, ProgressWindowIgnoresKeysAndClosesHalfASecondAfterOneHundred) {
    CDlgProgress progress(strings);
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

// Each run takes its text from the language loaded at that moment.
TEST_F(DialogsTest, ProgressWindowDrawsItsTextInTheLanguageOfEachRun) {
    CDlgProgress progress(strings);
    const auto drawnInARun = [&] {
        QStringList drawn;
        QTimer::singleShot(0, &progress, [&] {
            drawn = DrawnCaptions(progress);
            PostMessageTo(&progress, {WM_CLOSE, 0, 0});
        });
        progress.RunModal();
        return drawn;
    };
    EXPECT_EQ(drawnInARun(), QStringList{QString::fromUtf8("Updating is in progress, please wait…")});
    UseLanguage(kGerman);
    EXPECT_EQ(drawnInARun(), QStringList{QString::fromUtf8("Aktualisierung läuft, bitte warten…")});
}

TEST_F(DialogsTest, ProgressWindowClosesAtOnceOnAFailedPass) {
    CDlgProgress progress(strings);
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
