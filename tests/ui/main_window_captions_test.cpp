// The captions of the main window's frame and main page are drawn in the UI language, on the
// start-up layout, and follow a choice in the language menu.
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/i18n/languages.h"
#include "core/layout/frame_layout.h"
#include "core/layout/main_page_layout.h"
#include "main_window_fixture.h"
#include "ui/pages/main_page_dlg.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/caption_painter.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/wnd_popup.h"

namespace oryn7px {
namespace {

constexpr int kGerman = 5;

struct StartUp {
    const char* name;
    int32_t language;    // Language.cfg's, which also chooses the layout
    bool chineseLayout;
};

class MainWindowCaptionsTest : public test::MainWindowTest, public ::testing::WithParamInterface<StartUp> {
protected:
    // What the frame and the main page say in `language`, read from its file.
    QStringList CaptionsIn(int language) {
        StringTable file{converter};
        file.LoadLanguageFile(LanguageFilePath(Program(), language));
        QStringList texts;
        for (const CaptionPlace& place : main_window::kCaptions) texts << CaptionText(file, place);
        for (const CaptionPlace& place : main_page::CaptionsFor(GetParam().chineseLayout))
            texts << CaptionText(file, place);
        return texts;
    }

    // Opens the language menu with its button and clicks `language` in it.
    void ChooseInLanguageMenu(int language) {
        Press(dialog->LanguageButton());
        CMenuExA* menu = dialog->LanguagePopup();
        ASSERT_NE(menu, nullptr);
        const auto item = std::find_if(menu->Items().begin(), menu->Items().end(),
                                       [language](const CMenuEx::Item& i) { return i.command == uint32_t(language); });
        ASSERT_NE(item, menu->Items().end());
        const QPoint at = ToQRect(item->rect).center();
        QMouseEvent move(QEvent::MouseMove, at, menu->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &move);
        QTest::mouseClick(menu, Qt::LeftButton, {}, at);
        test::Flush();
    }
};

TEST_P(MainWindowCaptionsTest, DrawnCaptionsFollowTheLanguageMenu) {
    ASSERT_EQ(FindLanguage(kGerman)->fileName, "ger.xml");
    UseLanguage(GetParam().language);
    ASSERT_TRUE(dialog->OnInitDialog());
    test::Flush();  // the posted start-up switch to Language.cfg's language
    const QStringList before = CaptionsIn(GetParam().language);
    const QStringList drawnBefore = DrawnCaptions(*dialog);
    for (const QString& text : before) EXPECT_TRUE(drawnBefore.contains(text)) << "not drawn: " << text.toStdString();

    ChooseInLanguageMenu(kGerman);
    ASSERT_EQ(store->ReadLanguageNumber(0), kGerman);
    const QStringList german = CaptionsIn(kGerman);
    const QStringList drawn = DrawnCaptions(*dialog);
    for (const QString& text : german) EXPECT_TRUE(drawn.contains(text)) << "not drawn: " << text.toStdString();
    for (const QString& text : before) {
        if (!german.contains(text)) EXPECT_FALSE(drawn.contains(text)) << "still drawn: " << text.toStdString();
    }
    // The layout stays the start-up one.
    const auto* mainPage = qobject_cast<CDlgMainSet*>(dialog->Page(1));
    ASSERT_NE(mainPage, nullptr);
    EXPECT_EQ(mainPage->DpiSlider(0)->geometry(),
              ToQRect(main_page::LayoutFor(GetParam().chineseLayout).dpiSliders[0]));
}

INSTANTIATE_TEST_SUITE_P(StartUpLayouts, MainWindowCaptionsTest,
                         ::testing::Values(StartUp{"English", kLanguageEnglish, false},
                                           StartUp{"SimplifiedChinese", kLanguageSimplifiedChinese, true}),
                         [](const ::testing::TestParamInfo<StartUp>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace oryn7px
