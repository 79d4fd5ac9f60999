#include "core/layout/skin_files.h"

#include "core/base/ascii_text.h"
#include "core/layout/dialogs_layout.h"
#include "core/layout/frame_layout.h"
#include "core/layout/lighting_page_layout.h"
#include "core/layout/macro_page_layout.h"
#include "core/layout/main_page_layout.h"
#include "core/layout/programs_dialog_layout.h"
#include "core/layout/setting_popup_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "core/layout/support_page_layout.h"

namespace oryn7px {

namespace {

// Pictures of the shared skinned controls: slider thumb, scroll bar, progress bar, list rows
// (and their tick boxes) and popup menus.
constexpr std::array kControlFiles{
    "Slider.png",          "ScrollBar.png",       "ProgressBar/Progress_Normal.png", "ProgressBar/Progress_Over.png",
    "up_normal.png",       "up_select.png",       "down_normal.png",                 "down_select.png",
    "delay_normal.png",    "delay_select.png",    "CursorMove_normal.png",           "CursorMove_select.png",
    "Menu/MenuNorL.BMP",   "Menu/MenuOverL.BMP",  "Menu/MenuDownL.BMP",              "Menu/MenuNorHaveSub.BMP",
    "Menu/MenuOverHaveSub.BMP", "Menu/MenuDownHaveSub.BMP", "tick_on_normal.png",       "tick_on_select.png",
    "tick_off_normal.png",      "tick_off_select.png"};

template <typename List>
void Append(std::vector<std::string>& files, const List& list) {
    for (const char* file : list) files.emplace_back(file);
}

}  // namespace

std::string ScaledSkinFile(std::string_view file, int scale) {
    std::string scaled(file);
    if (scale == 1) return scaled;
    const std::size_t folderEnd = file.rfind('/');
    const std::size_t nameStart = folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
    const std::size_t dot = file.rfind('.');
    const std::size_t stemEnd = dot == std::string_view::npos || dot < nameStart ? file.size() : dot;
    scaled.insert(stemEnd, "@" + std::to_string(scale) + "x");
    // The 2x set is four times the pixels: stored uncompressed it would quadruple the package.
    const std::string_view extension = file.substr(stemEnd);
    if (EqualsIgnoringAsciiCase(extension, ".bmp")) scaled.replace(scaled.size() - extension.size(), extension.size(), ".png");
    return scaled;
}

int PictureScaleFor(double devicePixelRatio) { return devicePixelRatio > 1.0 ? 2 : 1; }

std::string ResourceFile(int number) { return "res/" + std::to_string(number) + ".png"; }

std::vector<std::string> AllSkinFiles() {
    std::vector<std::string> files;
    Append(files, std::array{main_window::kPictures.normal, main_window::kPictures.down, main_window::kPictures.over});
    Append(files, kControlFiles);
    Append(files, main_page::kSkinFiles);
    Append(files, setting_popup::kSkinFiles);
    Append(files, lighting_page::kSkinFiles);
    Append(files, macro_page::kSkinFiles);
    Append(files, statistics_page::kSkinFiles);
    Append(files, support_page::kSkinFiles);
    Append(files, programs_dialog::kSkinFiles);
    for (int number : {resources::kAppIcon, resources::kTrayExitIcon, resources::kTrayConfigIcon,
                       language_menu::kBackgroundResource})
        files.push_back(ResourceFile(number));
    for (int i = 0; i < language_menu::kLanguageCount; ++i) {
        files.push_back(ResourceFile(language_menu::kFirstIconResource + i));
        files.push_back(ResourceFile(language_menu::kFirstFlagResource + i));
    }
    for (int number : main_window::kButtonPicturesChinese) files.push_back(ResourceFile(number));
    for (int number : main_window::kButtonPicturesOther) files.push_back(ResourceFile(number));
    for (int number : main_page::kTabPicturesChinese) files.push_back(ResourceFile(number));
    for (int number : main_page::kTabPicturesOther) files.push_back(ResourceFile(number));
    for (const auto& skins : {info_box::kAskSkins, info_box::kInfoSkins})
        for (int number : skins) files.push_back(ResourceFile(number));
    return files;
}

}  // namespace oryn7px
