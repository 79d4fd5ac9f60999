// The statistics page offscreen: numbers, trophies, progress bar, reset, hints, saving, captions;
// and the main window feeding it desktop presses and asking it to keep its counts.
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/base/messages.h"
#include "core/pages/statistics_page/statistics_messages.h"
#include "core/device/hook_codes.h"
#include "core/settings/statistics_file.h"
#include "main_window_fixture.h"
#include "ui/pages/statistics_page_dlg.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/qt_conversions.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

namespace fs = std::filesystem;
namespace sp = statistics_page;

constexpr int kGerman = 5;

class StatisticsPageTest : public test::MainWindowTest {
protected:
    void WriteCounts(const StsData& data) {
        std::ofstream(Data() / "Sts.cfg", std::ios::binary).write(reinterpret_cast<const char*>(&data), sizeof data);
    }
    StsData ReadCounts() {
        StsData data{};
        std::ifstream(Data() / "Sts.cfg", std::ios::binary).read(reinterpret_cast<char*>(&data), sizeof data);
        return data;
    }
    std::unique_ptr<CDlgSts> MakePage(bool chineseLayout = false) {
        return std::make_unique<CDlgSts>(PageContextFor(&host, state->bChinese, chineseLayout));
    }
    int LitTrophies(const CDlgSts& page) {
        int lit = 0;
        for (int i = 0; i < sp::kTrophyLevels; ++i) lit += page.SmallTrophy(i)->GetChecked() ? 1 : 0;
        return lit;
    }
    // The columns where the page drew its numbers' neutral grey inside a box (the labels are bluer).
    static std::pair<int, int> InkColumns(const QImage& image, const LayoutRect& box) {
        int first = -1;
        int last = -1;
        for (int x = box.left; x < box.right; ++x) {
            for (int y = box.top; y < box.bottom; ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 120 && c.blue() - c.red() <= 5) {
                    if (first < 0) first = x;
                    last = x;
                }
            }
        }
        return {first, last};
    }

    test::RecordingWidget host;
};

TEST_F(StatisticsPageTest, LoadsTheFileAndShowsTheLevelItEarned) {
    struct Case {
        StsData counts;
        int level;
        int barWidth;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0}, 0, 21},
        {{99'999, 0, 0, 0, 0, 0}, 0, 21},
        {{3'000'000, 0, 0, 0, 0, 0}, 7, 168},
        {{3'999'999, 0, 0, 0, 0, 0}, 7, 168},
        {{10, 0, 0, 600'000, 0, 0}, 2, 63},
        {{5'000'000, 5'000'000, 0, 0, 0, 0}, 12, 273},
    };
    for (const Case& c : cases) {
        WriteCounts(c.counts);
        auto page = MakePage();
        EXPECT_EQ(page->Model().TrophyLevel(), c.level);
        EXPECT_EQ(LitTrophies(*page), c.level + 1);
        EXPECT_TRUE(page->SmallTrophy(c.level)->GetChecked());
        EXPECT_EQ(page->ProgressBar()->geometry(), QRect(631, 62, c.barWidth, 15));
        // The trophy below its panel's heading, which is a caption drawn over it.
        const QRect belowHeading(0, 48, sp::kLargeTrophy.Width(), sp::kLargeTrophy.Height() - 48);
        const QImage trophy = SkinPicture(QString::fromLatin1(sp::kTrophyPictures[c.level]))
                                  .copy(ToQRect(sp::kLargeTrophy))
                                  .copy(belowHeading);
        EXPECT_EQ(page->LargeTrophy()->grab(belowHeading).toImage().convertToFormat(QImage::Format_RGB32),
                  trophy.convertToFormat(QImage::Format_RGB32))
            << c.level;
        EXPECT_EQ(page->LevelPlate()->Caption().text, QStringLiteral("LEVEL %1").arg(c.level));
        EXPECT_EQ(page->LevelPlate()->isEnabled(), c.level > 0) << "dim until a level is earned";
    }
}

TEST_F(StatisticsPageTest, ShortFileLoadsWhatItHolds) {
    const uint32_t twelve[] = {7, 8, 9};
    std::ofstream(Data() / "Sts.cfg", std::ios::binary).write(reinterpret_cast<const char*>(twelve), sizeof twelve);
    auto page = MakePage();
    const StsData& c = page->Model().Counts();
    EXPECT_EQ((std::array{c.nLeftClicks, c.nMiddleClicks, c.nRightClicks, c.nWheelUp, c.nWheelDown, c.nMoveDistance}),
              (std::array<uint32_t, 6>{7, 8, 9, 0, 0, 0}));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(StatisticsPageTest, MissingFileIsReportedAndCountingStartsAtZero) {
    auto page = MakePage();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(QString::fromStdU16String(messages.boxes[0]),
              QStringLiteral("Failed to open file, check whether there is a %1 path?")
                  .arg(QString::fromStdString((Data() / "Sts.cfg").string())));
    EXPECT_EQ(page->Model().Counts().nLeftClicks, 0u);
}

TEST_F(StatisticsPageTest, NumbersRightAlignedInTheStartUpLanguagesColumnAndNeverCut) {
    struct Case {
        uint32_t left;
        int minWidth;  // of the drawn number, in pixels
        int maxWidth;
    };
    // One digit sits at the column's right edge; ten digits are drawn whole, not "42949...".
    const Case cases[] = {{1, 1, 12}, {4'294'967'295u, 60, 100}};
    for (const Case& c : cases) {
        WriteCounts({c.left, 0, 0, 0, 0, 0});
        for (bool chinese : {false, true}) {
            auto page = MakePage(chinese);
            const QImage image = page->grab().toImage();
            const int columnRight = chinese ? 242 : 227;
            const LayoutRect row{120, sp::kRows[sp::kRowLeft].top, 270, sp::kRows[sp::kRowLeft].bottom};
            const auto [first, last] = InkColumns(image, row);
            ASSERT_GE(first, 0) << chinese;
            EXPECT_LE(last, columnRight);
            EXPECT_GE(last, columnRight - 6);
            EXPECT_GE(last - first + 1, c.minWidth) << c.left;
            EXPECT_LE(last - first + 1, c.maxWidth) << c.left;
        }
    }
}

TEST_F(StatisticsPageTest, CountsDesktopPressesAndWheelNotches) {
    WriteCounts({99'999, 0, 0, 0, 0, 0});
    auto page = MakePage();
    for (uint32_t code : {kHookCodeLeft, kHookCodeMiddle, kHookCodeRight, kHookCodeWheelUp, kHookCodeWheelDown,
                          kHookCodeWheelDown, kHookCodeBack, kHookCodeForward})
        page->OnDesktopMouse(code);
    const StsData& c = page->Model().Counts();
    EXPECT_EQ((std::array{c.nLeftClicks, c.nMiddleClicks, c.nRightClicks, c.nWheelUp, c.nWheelDown}),
              (std::array<uint32_t, 5>{100'000, 1, 1, 1, 2}));
    // 100,002 clicks: the first trophy is earned at once.
    EXPECT_EQ(page->Model().TrophyLevel(), 1);
    EXPECT_TRUE(page->SmallTrophy(1)->GetChecked());
    EXPECT_EQ(page->ProgressBar()->width(), 42);
}

TEST_F(StatisticsPageTest, CursorSamplesAddTravel) {
    auto page = MakePage();
    PostMessageTo(page.get(), {WM_STS_CURSOR_SAMPLE, 30, 40});
    PostMessageTo(page.get(), {WM_STS_CURSOR_SAMPLE, 20, 40});
    test::Flush();
    EXPECT_EQ(page->Model().Counts().nMoveDistance, 80u);
}

TEST_F(StatisticsPageTest, ResetAnsweredOkZeroesAndSaves) {
    WriteCounts({3'000'000, 5, 6, 7, 8, 9});
    auto page = MakePage();
    state->bChinese = 0;
    messages.answer = kBoxOk;
    QTest::mouseClick(page->ResetButton(), Qt::LeftButton);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0], u"Do you want to reset trophy data ?");
    EXPECT_EQ(page->Model().TrophyLevel(), 0);
    EXPECT_EQ(LitTrophies(*page), 1);
    EXPECT_EQ(page->ProgressBar()->width(), 21);
    const StsData saved = ReadCounts();
    EXPECT_EQ(fs::file_size(Data() / "Sts.cfg"), 24u);
    EXPECT_EQ((std::array{saved.nLeftClicks, saved.nWheelDown, saved.nMoveDistance}), (std::array<uint32_t, 3>{}));
}

TEST_F(StatisticsPageTest, ResetAnsweredCancelChangesNothing) {
    WriteCounts({3'000'000, 5, 6, 7, 8, 9});
    auto page = MakePage();
    state->bChinese = 1;
    messages.answer = kBoxCancel;
    QTest::mouseClick(page->ResetButton(), Qt::LeftButton);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0], u"确定要重置奖杯和统计数据么？");
    EXPECT_EQ(page->Model().TrophyLevel(), 7);
    EXPECT_EQ(page->Model().Counts().nMoveDistance, 9u);
    EXPECT_EQ(ReadCounts().nLeftClicks, 3'000'000u);
}

TEST_F(StatisticsPageTest, HintsOverTheTrophyAndTheResetButton) {
    auto page = MakePage();
    const std::pair<QPoint, intptr_t> cases[] = {{{400, 200}, 54}, {{750, 390}, 55}};
    for (const auto& [point, hint] : cases) {
        host.messages.clear();
        SendMessageTo(page.get(), {WM_MOUSEMOVE, 0, MakeLParam(point.x(), point.y())});
        test::Flush();
        const auto hints = host.Received(UM_SHOW_HINT);
        ASSERT_EQ(hints.size(), 1u);
        EXPECT_EQ(hints[0].lParam, hint);
    }
    host.messages.clear();
    SendMessageTo(page.get(), {WM_MOUSEMOVE, 0, MakeLParam(100, 100)});
    test::Flush();
    EXPECT_TRUE(host.Received(UM_SHOW_HINT).empty());
    EXPECT_EQ(page->LargeTrophy()->toolTip(), Text("str_cups"));
    EXPECT_EQ(page->ResetButton()->toolTip(), Text("str_resetSts"));
}

TEST_F(StatisticsPageTest, PeriodicSaveWritesOnlyWhatChanged) {
    WriteCounts({1, 0, 0, 0, 0, 0});
    auto page = MakePage();
    fs::remove(Data() / "Sts.cfg");
    page->SaveIfChanged();
    EXPECT_FALSE(fs::exists(Data() / "Sts.cfg"));  // nothing new since loading
    page->OnDesktopMouse(kHookCodeRight);
    page->SaveIfChanged();
    EXPECT_EQ(ReadCounts().nRightClicks, 1u);
    EXPECT_EQ(ReadCounts().nLeftClicks, 1u);
}

TEST_F(StatisticsPageTest, FailedSaveIsRetriedByThePeriodicSave) {
    auto page = MakePage();
    page->OnDesktopMouse(kHookCodeLeft);
    const fs::path file = Data() / "Sts.cfg";
    fs::create_directory(file);  // a folder in the way: the save fails
    EXPECT_FALSE(page->SaveStatistics());
    fs::remove(file);
    page->SaveIfChanged();
    EXPECT_EQ(ReadCounts().nLeftClicks, 1u);
}

TEST_F(StatisticsPageTest, MainWindowForwardsEveryPressAndSavesAtSessionEndAndClose) {
    ASSERT_TRUE(dialog->OnInitDialog());
    auto* page = qobject_cast<CDlgSts*>(dialog->Page(4));
    ASSERT_NE(page, nullptr);
    for (uint32_t code : {kHookCodeLeft, kHookCodeLeft, kHookCodeWheelDown, kHookCodeBack})
        Send(UM_HOST_ACTION, code, 0);
    EXPECT_EQ(page->Model().Counts().nLeftClicks, 2u);
    EXPECT_EQ(page->Model().Counts().nWheelDown, 1u);

    Send(WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(ReadCounts().nLeftClicks, 2u);

    Send(UM_HOST_ACTION, kHookCodeMiddle, 0);
    Send(WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntilEnded());
    EXPECT_EQ(ReadCounts().nMiddleClicks, 1u);
}

QStringList Sorted(QStringList texts) {
    texts.sort();
    return texts;
}

// Every caption of the page as the loaded language has it, the level filled in.
QStringList PageCaptions(const StringTable& strings, int level) {
    QStringList texts;
    for (const CaptionPlace& place : sp::kCaptions) {
        const QString text = CaptionText(strings, place);
        texts << (place.id == CaptionId::Level ? text.arg(level) : text);
    }
    return Sorted(texts);
}

TEST_F(StatisticsPageTest, CaptionsFollowTheUiLanguage) {
    WriteCounts({3'000'000, 0, 0, 0, 0, 0});
    ASSERT_TRUE(dialog->OnInitDialog());
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, kLanguageEnglish);
    auto* page = qobject_cast<CDlgSts*>(dialog->Page(4));
    ASSERT_NE(page, nullptr);
    const QStringList english = Sorted(DrawnCaptions(*page));
    EXPECT_EQ(english, PageCaptions(strings, 7));
    EXPECT_TRUE(english.contains(QStringLiteral("LEVEL 7")));

    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, kGerman);
    const QStringList german = Sorted(DrawnCaptions(*page));
    EXPECT_EQ(german, PageCaptions(strings, 7));
    for (const char* word : {"STATISTIK", "AKTUELLE TROPHÄE", "ZURÜCKSETZEN", "STUFE 7", "Linksklicks"})
        EXPECT_TRUE(german.contains(QString::fromUtf8(word))) << word;
    for (const QString& text : english) {
        if (!PageCaptions(strings, 7).contains(text)) EXPECT_FALSE(german.contains(text)) << text.toStdString();
    }
}

bool HasCjk(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
}
bool HasLatin(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Latin; });
}

// The pictures once carried each panel's heading in Chinese and English side by side. Now they
// carry none, and the page draws each heading in the UI language alone.
TEST_F(StatisticsPageTest, HeadingsShowTheUiLanguageOnly) {
    const std::array headings{sp::kCaptions[0], sp::kCaptions[1], sp::kCaptions[2]};
    std::vector<QString> pictures{sp::kPictures.normal, sp::kPictures.down, sp::kPictures.over};
    for (const char* trophy : sp::kTrophyPictures) pictures.push_back(QString::fromLatin1(trophy));
    for (const QString& name : pictures) {
        const QImage picture = SkinPicture(name);
        for (const CaptionPlace& heading : headings) {
            EXPECT_LT(test::BrightestGrey(picture, ToQRect(heading.box)), test::kNoInkGrey)
                << name.toStdString() << " has ink under " << CaptionKeyOf(heading.id).name;
        }
    }

    ASSERT_TRUE(dialog->OnInitDialog());
    auto* page = qobject_cast<CDlgSts*>(dialog->Page(4));
    ASSERT_NE(page, nullptr);
    for (int language : {kLanguageEnglish, kLanguageSimplifiedChinese}) {
        Send(UM_SET_LANGUAGE, kLanguageAtStartUp, language);
        const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const CaptionPlace& heading : headings) {
            const QString text = CaptionText(strings, heading);
            EXPECT_FALSE(language == kLanguageEnglish ? HasCjk(text) : HasLatin(text)) << text.toStdString();
            // Exactly that caption over the picture beneath it, and nothing else.
            const QRect box = ToQRect(heading.box);
            const QString beneath = QString::fromLatin1(heading.id == CaptionId::CurrentTrophy ? sp::kTrophyPictures[0]
                                                                                                : sp::kPictures.normal);
            QImage expected = SkinPicture(beneath).copy(box).convertToFormat(QImage::Format_RGB32);
            QPainter painter(&expected);
            PaintCaption(painter, QRect(QPoint(0, 0), box.size()), text, heading.style, heading.align);
            painter.end();
            EXPECT_EQ(shown.copy(box), expected) << language << " " << text.toStdString();
        }
    }
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, kLanguageEnglish);
}

}  // namespace
}  // namespace oryn7px
