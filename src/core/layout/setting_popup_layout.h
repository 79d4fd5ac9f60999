#pragma once
// The key-assignment popup and its four tab windows: geometry and pictures.
#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"

namespace oryn7px::setting_popup {

inline constexpr StatePictures kFramePictures{"setting/Setting_Normal.bmp", "setting/Setting_Down.bmp",
                                              "setting/Setting_Over.bmp"};
inline constexpr StatePictures kKeyPictures{"combo/Combo_Normal.bmp", "combo/Combo_Down.bmp", "combo/Combo_Over.bmp"};
inline constexpr StatePictures kMacroPictures{"macro/Macro_Normal.bmp", "macro/Macro_Down.bmp", "macro/Macro_Over.bmp"};
inline constexpr StatePictures kBasicPictures{"base/Base_Normal.bmp", "base/Base_Down.bmp", "base/Base_Over.bmp"};
inline constexpr StatePictures kHostPictures{"advanced/Advanced_Normal.bmp", "advanced/Advanced_Down.bmp",
                                             "advanced/Advanced_Over.bmp"};

// The frame is the size of its normal picture; the artwork draws it this size.
inline constexpr int kWidth = 413;
inline constexpr int kHeight = 300;

inline constexpr LayoutRect kCloseButton{383, 1, 411, 24};
inline constexpr std::array<LayoutRect, 4> kTabs{{{0, 37, 110, 64}, {111, 37, 207, 64}, {208, 37, 303, 64}, {304, 37, 412, 64}}};
inline constexpr std::array<const char*, 4> kTabTextKeys{"str_key_com", "str_macro_set", "str_basic", "str_advance"};
inline constexpr LayoutRect kTabPageArea{21, 74, 391, 243};
inline constexpr LayoutRect kDisableBox{23, 258, 42, 277};
inline constexpr LayoutRect kDefaultButton{238, 254, 315, 289};
inline constexpr LayoutRect kOkButton{316, 254, 393, 289};
inline constexpr LayoutRect kTitle{75, 1, 317, 20};
inline constexpr LayoutRect kCurrentFunction{5, 16, 180, 38};
inline constexpr LayoutRect kDisableText{46, 258, 106, 278};
// Texts and tooltips of the frame (language keys): the disable box's label is also its tooltip.
inline constexpr const char* kTitleTextKey = "str_panel";
inline constexpr const char* kCurrentFunctionTextKey = "str_cur_function";
inline constexpr const char* kDisableTextKey = "str_disable";
inline constexpr const char* kDefaultButtonTextKey = "str_default_setting";
inline constexpr const char* kOkButtonTextKey = "str_ok";
// What assistive technology reads for the close button and the macro tab's lists, which show no text.
inline constexpr const char* kCloseTextKey = "str_close";
inline constexpr const char* kGameListNameKey = "str_macro_choose";
inline constexpr const char* kMacroListNameKey = "str_marco_list";

// Key tab, in tab-window coordinates: Ctrl, Alt, Shift, Win.
inline constexpr std::array<LayoutRect, 4> kModifierBoxes{
    {{59, 45, 72, 58}, {59, 70, 72, 83}, {59, 94, 72, 108}, {58, 119, 72, 133}}};
inline constexpr std::array<const char*, 4> kModifierNames{"Ctrl", "Alt", "Shift", "Win"};
inline constexpr LayoutRect kKeyName{170, 77, 326, 100};
// Below the boxes: the key tab takes every key, and how to leave it.
inline constexpr std::array<CaptionPlace, 2> kKeyCaptureCaptions{{
    {CaptionId::KeyCaptureAll, {8, 137, 362, 152}, CaptionStyle::Hint, CaptionAlign::Centre},
    {CaptionId::KeyCaptureLeave, {8, 152, 362, 167}, CaptionStyle::Hint, CaptionAlign::Centre},
}};

// Macro tab.
inline constexpr LayoutRect kGameList{1, 1, 184, 168};
inline constexpr LayoutRect kMacroList{188, 1, 369, 168};
inline constexpr int kGameListId = 10001;
inline constexpr int kMacroListId = 10002;

// Basic tab.
inline constexpr LayoutRect kBasicList{0, 0, 372, 171};
inline constexpr int kBasicListId = 101;
inline constexpr int kBasicRowHeight = 18;

// Host-action tab: rows sound, program, file, folder.
inline constexpr std::array<LayoutRect, 4> kHostRadios{
    {{21, 37, 38, 54}, {21, 63, 38, 80}, {21, 88, 38, 105}, {21, 114, 38, 131}}};
inline constexpr std::array<LayoutRect, 4> kHostPaths{
    {{124, 36, 263, 52}, {124, 63, 262, 79}, {124, 89, 262, 105}, {124, 116, 262, 132}}};
inline constexpr std::array<LayoutRect, 4> kHostBrowse{
    {{273, 33, 349, 55}, {273, 59, 349, 81}, {273, 86, 349, 108}, {273, 113, 349, 135}}};
inline constexpr std::array<LayoutRect, 4> kHostLabels{
    {{41, 36, 127, 56}, {41, 63, 127, 83}, {41, 89, 127, 109}, {41, 116, 127, 136}}};
inline constexpr std::array<const char*, 4> kHostLabelKeys{"str_advanced_sound", "str_advanced_exe",
                                                           "str_advanced_file", "str_advanced_dir"};
// The browse buttons' text, also their tooltip.
inline constexpr const char* kBrowseTextKey = "str_browse";

// Every skin file the popup loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{
    kFramePictures.normal, kFramePictures.down, kFramePictures.over, kKeyPictures.normal,  kKeyPictures.down,
    kKeyPictures.over,     kMacroPictures.normal, kMacroPictures.down, kMacroPictures.over, kBasicPictures.normal,
    kBasicPictures.down,   kBasicPictures.over, kHostPictures.normal,  kHostPictures.down,  kHostPictures.over};

}  // namespace oryn7px::setting_popup
