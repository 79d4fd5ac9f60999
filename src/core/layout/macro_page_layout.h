#pragma once
// The macro page: geometry of its controls and captions in its two layouts (Chinese, and every
// other language), the hint areas, and the pictures the controls are cut from.
#include <span>

#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"

namespace oryn7px::macro_page {

inline constexpr StatePictures kPictures{"MacroSet_Normal.bmp", "MacroSet_Down.bmp", "MacroSet_Over.bmp"};
inline constexpr StatePictures kPicturesChinese{"MacroSetCN_Normal.bmp", "MacroSetCN_Down.bmp", "MacroSetCN_Over.bmp"};

// Control and list IDs that messages carry.
inline constexpr int kMacroListId = 256;
inline constexpr int kEventListId = 257;
inline constexpr int kCountFieldId = 1001;
inline constexpr int kDelayFieldId = 1003;
inline constexpr int kMoveXFieldId = 1009;
inline constexpr int kMoveYFieldId = 1011;

// Field lengths.
inline constexpr int kCountFieldChars = 5;
inline constexpr int kDelayFieldChars = 4;
inline constexpr int kMoveFieldChars = 5;

// Timer 153 tidies the count field this often.
inline constexpr int kCountTidyMs = 4000;

// The category menu: item height and colours (0x00BBGGRR) handed to the menu library.
inline constexpr int kMenuItemHeight = 24;
inline constexpr unsigned kMenuTextColour = 0x676153;
inline constexpr unsigned kMenuHoverTextColour = 0xFFFFFF;
inline constexpr unsigned kMenuHoverColour = 0xB98C15;
inline constexpr std::array<const char*, 8> kMenuBitmaps{
    "MenuNorL.BMP",       "MenuOverL.BMP",       "MenuDownL.BMP",       "MenuNorL.BMP",
    "MenuNorHaveSub.BMP", "MenuOverHaveSub.BMP", "MenuDownHaveSub.BMP", "MenuNorHaveSub.BMP",
};

struct MacroPageLayout {
    LayoutRect category;
    LayoutRect macroList;
    LayoutRect newMacro;
    LayoutRect deleteMacro;
    LayoutRect importMacro;
    LayoutRect exportMacro;
    LayoutRect eventList;
    LayoutRect insertLine;
    LayoutRect deleteLine;
    LayoutRect modifyLine;
    LayoutRect record;
    LayoutRect skipDelays;
    LayoutRect repeatCount;
    LayoutRect countField;
    LayoutRect repeatFFFE;
    LayoutRect repeatFFFF;
    LayoutRect leftPad;
    LayoutRect middlePad;
    LayoutRect rightPad;
    LayoutRect keyChoice;
    LayoutRect keyField;
    LayoutRect keyConfirm;
    LayoutRect delayChoice;
    LayoutRect delayField;
    LayoutRect delayConfirm;
    LayoutRect moveChoice;
    LayoutRect xField;
    LayoutRect xUp;
    LayoutRect xDown;
    LayoutRect yField;
    LayoutRect yUp;
    LayoutRect yDown;
    LayoutRect moveConfirm;
};

inline constexpr MacroPageLayout kChineseLayout{
    .category = {25, 48, 327, 71},
    .macroList = {27, 89, 325, 406},
    .newMacro = {26, 412, 74, 441},
    .deleteMacro = {80, 412, 156, 441},
    .importMacro = {162, 412, 240, 441},
    .exportMacro = {246, 412, 325, 441},
    .eventList = {345, 51, 626, 406},
    .insertLine = {361, 412, 391, 441},
    .deleteLine = {394, 412, 424, 441},
    .modifyLine = {427, 412, 457, 441},
    .record = {783, 22, 899, 53},
    .skipDelays = {646, 58, 905, 76},
    .repeatCount = {643, 86, 845, 105},
    .countField = {852, 87, 892, 102},
    .repeatFFFE = {643, 112, 905, 128},
    .repeatFFFF = {643, 131, 905, 152},
    .leftPad = {718, 213, 745, 257},
    .middlePad = {754, 205, 782, 256},
    .rightPad = {791, 213, 823, 257},
    .keyChoice = {644, 340, 757, 365},
    .keyField = {769, 343, 856, 354},
    .keyConfirm = {865, 341, 905, 359},
    .delayChoice = {644, 368, 768, 385},
    .delayField = {770, 370, 857, 383},
    .delayConfirm = {865, 368, 905, 386},
    .moveChoice = {644, 395, 913, 412},
    .xField = {684, 417, 725, 435},
    .xUp = {727, 416, 742, 425},
    .xDown = {727, 426, 742, 437},
    .yField = {780, 416, 822, 435},
    .yUp = {825, 416, 838, 424},
    .yDown = {824, 428, 838, 436},
    .moveConfirm = {865, 417, 905, 435},
};

inline constexpr MacroPageLayout kOtherLayout{
    .category = {25, 48, 327, 71},
    .macroList = {27, 89, 325, 406},
    .newMacro = {26, 412, 74, 441},
    .deleteMacro = {80, 412, 156, 441},
    .importMacro = {162, 412, 240, 441},
    .exportMacro = {246, 412, 325, 441},
    .eventList = {345, 51, 626, 406},
    .insertLine = {360, 412, 390, 439},
    .deleteLine = {393, 412, 423, 440},
    .modifyLine = {426, 411, 456, 440},
    .record = {783, 22, 899, 53},
    .skipDelays = {646, 58, 905, 76},
    .repeatCount = {643, 88, 845, 102},
    .countField = {852, 87, 892, 102},
    .repeatFFFE = {643, 111, 905, 125},
    .repeatFFFF = {643, 142, 905, 158},
    .leftPad = {715, 210, 743, 237},
    .middlePad = {754, 200, 782, 226},
    .rightPad = {792, 211, 821, 238},
    .keyChoice = {642, 337, 778, 359},
    .keyField = {789, 343, 857, 356},
    .keyConfirm = {866, 340, 903, 356},
    .delayChoice = {642, 367, 787, 387},
    .delayField = {790, 370, 858, 383},
    .delayConfirm = {865, 368, 905, 386},
    .moveChoice = {642, 395, 913, 412},
    .xField = {684, 417, 725, 435},
    .xUp = {727, 416, 742, 425},
    .xDown = {727, 426, 742, 437},
    .yField = {780, 416, 822, 435},
    .yUp = {825, 416, 838, 424},
    .yDown = {824, 428, 838, 436},
    .moveConfirm = {865, 417, 905, 435},
};

inline constexpr const MacroPageLayout& LayoutFor(bool chinese) { return chinese ? kChineseLayout : kOtherLayout; }
inline constexpr const StatePictures& PicturesFor(bool chinese) { return chinese ? kPicturesChinese : kPictures; }

// A check box's or radio's caption lies right of its mark, inside the control, which draws it in
// its own state; a push button's fills the button.
constexpr LayoutRect ChoiceCaptionBox(const LayoutRect& control) {
    return {control.left + 19, control.top, control.right - 2, control.bottom};
}
constexpr LayoutRect ButtonCaptionBox(const LayoutRect& control) {
    return {control.left + 3, control.top, control.right - 3, control.bottom};
}

// The captions the page draws itself: the panels' headings, beside their accent tabs, and the
// labels over the macro list, the mouse pads and the line editors.
inline constexpr LayoutRect kGamesCaption{32, 19, 328, 40};
inline constexpr LayoutRect kKeyListCaption{354, 19, 626, 40};
inline constexpr LayoutRect kRecorderCaption{652, 19, 778, 40};
inline constexpr LayoutRect kMacrosCaption{30, 72, 325, 88};
inline constexpr LayoutRect kMouseButtonsCaption{648, 168, 905, 184};
inline constexpr LayoutRect kEditLineCaption{648, 318, 905, 334};

inline constexpr int kCaptionPlaceCount = 20;

constexpr std::array<CaptionPlace, kCaptionPlaceCount> CaptionTable(const MacroPageLayout& l) {
    using enum CaptionId;
    using enum CaptionStyle;
    const auto choice = [](CaptionId id, const LayoutRect& control) {
        return CaptionPlace{id, ChoiceCaptionBox(control), Choice};
    };
    const auto button = [](CaptionId id, const LayoutRect& control) {
        return CaptionPlace{id, ButtonCaptionBox(control), PushButton, CaptionAlign::Centre};
    };
    return {{
        {Games, kGamesCaption, PanelHeading}, {KeyList, kKeyListCaption, PanelHeading},
        {Recorder, kRecorderCaption, PanelHeading}, {Macros, kMacrosCaption, DimLabel},
        {MouseButtons, kMouseButtonsCaption, DimLabel}, {EditLine, kEditLineCaption, DimLabel},
        button(New, l.newMacro), button(Delete, l.deleteMacro), button(Import, l.importMacro),
        button(Export, l.exportMacro),
        choice(SkipDelays, l.skipDelays), choice(PlayCount, l.repeatCount), choice(RepeatHeld, l.repeatFFFE),
        choice(ToggleRepeat, l.repeatFFFF), choice(Key, l.keyChoice), choice(DelayMs, l.delayChoice),
        choice(MouseMove, l.moveChoice),
        button(Ok, l.keyConfirm), button(Ok, l.delayConfirm), button(Ok, l.moveConfirm),
    }};
}

inline constexpr std::array kCaptions = CaptionTable(kOtherLayout);
inline constexpr std::array kCaptionsChinese = CaptionTable(kChineseLayout);

inline std::span<const CaptionPlace> CaptionsFor(bool chinese) {
    return chinese ? std::span<const CaptionPlace>(kCaptionsChinese) : std::span<const CaptionPlace>(kCaptions);
}

// Areas of the page picture that post a hint of their own.
inline constexpr LayoutRect kCategoryHintArea{24, 19, 120, 40};
inline constexpr LayoutRect kMacroListHintArea{26, 87, 324, 406};
inline constexpr LayoutRect kEventListTitleHintArea{340, 19, 427, 39};
inline constexpr LayoutRect kEventListHintArea{342, 49, 625, 407};

// The page's controls, by what they do: the widget, its hints, tooltips and tests name them so.
enum MacroControl {
    kCategory, kNewMacro, kDeleteMacro, kImportMacro, kExportMacro, kInsertLine, kDeleteLine, kModifyLine,
    kRecord, kSkipDelays, kRepeatCount, kRepeatFFFE, kRepeatFFFF, kLeftPad, kMiddlePad, kRightPad,
    kKeyChoice, kKeyConfirm, kDelayChoice, kDelayConfirm, kMoveChoice, kXUp, kXDown, kYUp, kYDown,
    kMoveConfirm, kMacroControlCount
};
enum MacroField { kCountField, kKeyField, kDelayField, kXField, kYField, kMacroFieldCount };

// The hint numbers the page posts to the main window's hint bar, by what lies under the mouse:
// the first visible control, then the record button, the first visible field, the first area.
struct ControlHint {
    MacroControl control;
    int hint;
};
inline constexpr std::array kControlHints{
    ControlHint{kNewMacro, 40},   ControlHint{kDeleteMacro, 41}, ControlHint{kInsertLine, 42},
    ControlHint{kDeleteLine, 43}, ControlHint{kModifyLine, 44},  ControlHint{kSkipDelays, 47},
    ControlHint{kLeftPad, 49},    ControlHint{kMiddlePad, 50},   ControlHint{kRightPad, 51},
    ControlHint{kKeyChoice, 52},  ControlHint{kDelayChoice, 53},
};
// The record button's hint says what a click would do.
inline constexpr int kRecordHint = 45;
inline constexpr int kStopRecordHint = 46;
struct FieldHint {
    MacroField field;
    int hint;
};
inline constexpr std::array kFieldHints{FieldHint{kCountField, 48}, FieldHint{kKeyField, 52}, FieldHint{kDelayField, 53}};
struct AreaHint {
    LayoutRect area;
    int hint;
};
inline constexpr std::array kAreaHints{AreaHint{kCategoryHintArea, 86}, AreaHint{kMacroListHintArea, 87},
                                       AreaHint{kEventListTitleHintArea, 88}, AreaHint{kEventListHintArea, 88}};

// Tooltips: a language key, or a fixed text that is the same in every language.
struct ControlTooltip {
    MacroControl control;
    const char* key;
    const char16_t* fixed;
};
inline constexpr std::array kControlTooltips{
    ControlTooltip{kNewMacro, "str_new_macro", nullptr},      ControlTooltip{kDeleteMacro, "str_del_macro", nullptr},
    ControlTooltip{kImportMacro, nullptr, u"导入宏"},         ControlTooltip{kExportMacro, nullptr, u"导出宏"},
    ControlTooltip{kInsertLine, "str_macro_new", nullptr},    ControlTooltip{kDeleteLine, "str_macro_del", nullptr},
    ControlTooltip{kModifyLine, "str_macro_modify", nullptr}, ControlTooltip{kSkipDelays, "str_macro_delay", nullptr},
    ControlTooltip{kLeftPad, "str_click", nullptr},           ControlTooltip{kMiddlePad, "str_middle", nullptr},
    ControlTooltip{kRightPad, "str_menu", nullptr},           ControlTooltip{kKeyChoice, "str_macro_msg6", nullptr},
    ControlTooltip{kKeyConfirm, "str_macro_msg6", nullptr},   ControlTooltip{kDelayChoice, "str_macro_msg7", nullptr},
    ControlTooltip{kDelayConfirm, "str_macro_msg7", nullptr},
};

// Panels of the artwork: the macro list, the event list, and the recorder with its editors.
inline constexpr LayoutRect kMacroPanel{14, 10, 338, 448};
inline constexpr LayoutRect kEventPanel{336, 10, 634, 448};
inline constexpr LayoutRect kRecorderPanel{636, 10, 918, 448};
// The recorder panel's fill (0xRRGGBB): the page covers the editors with it while none is open.
inline constexpr unsigned kRecorderPanelColour = 0x222A34;
inline constexpr LayoutRect kEditorArea{640, 335, 915, 440};
// The quiet line in the editor area while no editor is open.
inline constexpr std::array<CaptionPlace, 1> kEditorHintCaption{
    {{CaptionId::SelectLineHint, {648, 335, 907, 440}, CaptionStyle::Hint, CaptionAlign::Centre}}};
// The record button says what a click does; its caption clears the dot at its left.
inline constexpr LayoutRect kRecordCaptionBox{797, 22, 897, 53};
inline constexpr std::array<CaptionPlace, 1> kStartRecordCaption{
    {{CaptionId::StartRecord, kRecordCaptionBox, CaptionStyle::PushButton, CaptionAlign::Centre}}};
inline constexpr std::array<CaptionPlace, 1> kStopRecordCaption{
    {{CaptionId::StopRecord, kRecordCaptionBox, CaptionStyle::PushButton, CaptionAlign::Centre}}};
// Colours (0xRRGGBB) of the lists and the texts drawn on the page.
inline constexpr unsigned kListBackgroundColour = 0x12161C;
inline constexpr unsigned kListSelectedColour = 0x006E9E;
inline constexpr unsigned kListTextColour = 0xBDBDC8;
inline constexpr unsigned kCategoryTextColour = 0xE8EDF2;
// The drawn mouse the three pads sit in.
inline constexpr LayoutRect kPadMouse{700, 180, 840, 320};

// Every skin file the page loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal,        kPictures.down,        kPictures.over,
                                       kPicturesChinese.normal, kPicturesChinese.down, kPicturesChinese.over};

}  // namespace oryn7px::macro_page
