// Every caption of every page, the frame and the boxes, in every UI language, drawn with the
// program's fonts: each fits its box within its style's sizes, and no two boxes of a window meet.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <span>
#include <string>
#include <vector>

#include "core/app/app_texts.h"
#include "core/base/utf16.h"
#include "core/i18n/languages.h"
#include "core/i18n/string_table.h"
#include "core/layout/dialogs_layout.h"
#include "core/layout/frame_layout.h"
#include "core/layout/lighting_page_layout.h"
#include "core/layout/macro_page_layout.h"
#include "core/layout/main_page_layout.h"
#include "core/layout/programs_dialog_layout.h"
#include "core/layout/setting_popup_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "core/layout/support_page_layout.h"
#include "platform/linux/iconv_code_page_converter.h"
#include "ui/skin/caption_painter.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {
namespace {

struct CaptionTable {
    std::string name;
    std::span<const CaptionPlace> places;
};

std::vector<CaptionTable> AllCaptionTables() {
    return {
        {"lighting page (other layout)", lighting_page::CaptionsFor(false)},
        {"lighting page (Chinese layout)", lighting_page::CaptionsFor(true)},
        {"macro page (other layout)", macro_page::CaptionsFor(false)},
        {"macro page (Chinese layout)", macro_page::CaptionsFor(true)},
        {"statistics page", statistics_page::kCaptions},
        {"support page", support_page::kCaptions},
        {"information box", info_box::kAskCaptions},
        {"information box without Cancel", info_box::kInfoCaptions},
        {"progress window", progress_window::kCaptions},
        {"frame", main_window::kCaptions},
        {"hint bar after following a program", main_window::kFollowedProfileHint},
        {"main page (other layout)", main_page::CaptionsFor(false)},
        {"main page (Chinese layout)", main_page::CaptionsFor(true)},
        {"main page notes (other layout)", main_page::NoteCaptionsFor(false)},
        {"main page notes (Chinese layout)", main_page::NoteCaptionsFor(true)},
        {"macro page editor hint", macro_page::kEditorHintCaption},
        {"record button, stopped", macro_page::kStartRecordCaption},
        {"record button, recording", macro_page::kStopRecordCaption},
        {"key-assignment popup, key tab", setting_popup::kKeyCaptureCaptions},
        {"programs dialog", programs_dialog::kCaptions},
    };
}

std::string Describe(const CaptionTable& table, const CaptionPlace& place, const QString& text) {
    const QRect box = ToQRect(place.box);
    return table.name + " " + std::string(CaptionKeyOf(place.id).name) + " \"" + text.toStdString() + "\" in " +
           std::to_string(box.width()) + "x" + std::to_string(box.height()) + " needs " +
           std::to_string(QFontMetrics(CaptionFont(place.style, text, 1)).horizontalAdvance(text)) + " px at 1 px";
}

class CaptionFitTest : public ::testing::TestWithParam<int> {
protected:
    IconvCodePageConverter converter;
    StringTable strings{converter};
};

TEST_P(CaptionFitTest, EveryCaptionFitsItsBox) {
    const int number = GetParam();
    const auto file = LanguageFilePath(ORYN7PX_TEST_PROGRAM_DIR, number);
    strings.LoadLanguageFile(file);
    UseCaptionFontsFor(number);
    for (const CaptionTable& table : AllCaptionTables()) {
        for (const CaptionPlace& place : table.places) {
            const QString text = CaptionText(strings, place);
            EXPECT_TRUE(FittingCaptionSize(text, ToQRect(place.box).size(), place.style))
                << file.filename() << ": " << Describe(table, place, text);
        }
    }
    UseCaptionFontsFor(kLanguageEnglish);
}

std::string LanguageName(const ::testing::TestParamInfo<int>& info) {
    const std::string_view file = FindLanguage(info.param)->fileName;
    return std::string(file.substr(0, file.find('.')));
}

// The count-down form of the box shows the seconds after OK, in OK's box.
TEST_P(CaptionFitTest, CountDownOkFitsItsButton) {
    const int number = GetParam();
    strings.LoadLanguageFile(LanguageFilePath(ORYN7PX_TEST_PROGRAM_DIR, number));
    UseCaptionFontsFor(number);
    const CaptionPlace& ok = info_box::kInfoOkCaption;
    const QString text = QString::fromStdU16String(CountDownOkText(strings.Caption(ok.id), 5));
    EXPECT_TRUE(FittingCaptionSize(text, ToQRect(ok.box).size(), ok.style)) << text.toStdString();
    UseCaptionFontsFor(kLanguageEnglish);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, CaptionFitTest, ::testing::Range(1, kLanguageCount + 1), LanguageName);

TEST(CaptionTables, EveryCaptionIsDrawnSomewhere) {
    std::vector<bool> placed(kCaptionCount, false);
    for (const CaptionTable& table : AllCaptionTables())
        for (const CaptionPlace& place : table.places) placed[static_cast<std::size_t>(place.id)] = true;
    for (const CaptionKey& caption : CaptionKeys())
        EXPECT_TRUE(placed[static_cast<std::size_t>(caption.id)]) << caption.name << " is in no caption table";
}

TEST(CaptionBoxes, NoTwoBoxesOfAWindowMeet) {
    for (const CaptionTable& table : AllCaptionTables()) {
        for (std::size_t a = 0; a < table.places.size(); ++a) {
            for (std::size_t b = a + 1; b < table.places.size(); ++b) {
                const QRect first = ToQRect(table.places[a].box), second = ToQRect(table.places[b].box);
                EXPECT_FALSE(first.intersects(second))
                    << table.name << ": " << CaptionKeyOf(table.places[a].id).name << " meets "
                    << CaptionKeyOf(table.places[b].id).name;
            }
        }
    }
}

}  // namespace
}  // namespace oryn7px
