#pragma once
// The support page: geometry of its controls and captions, and the pictures they are cut from.
#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"

namespace oryn7px::support_page {

inline constexpr StatePictures kPictures{"support_normal.bmp", "support_down.bmp", "support_over.bmp"};

// Every skin file the page loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal, kPictures.down, kPictures.over};

struct Control {
    LayoutRect rect;
    const char* tooltipKey;  // null: no tooltip
    int hintId;
};

inline constexpr Control kUpdateButton{{405, 264, 520, 293}, "str_update", 56};
inline constexpr Control kWebButton{{711, 264, 826, 293}, "str_tavikWeb", 57};
inline constexpr Control kImportButton{{134, 389, 224, 420}, "str_importFile", 58};
inline constexpr Control kExportButton{{234, 389, 324, 420}, "str_exportFile", 59};
inline constexpr Control kDefaultsButton{{785, 388, 873, 417}, "str_defaultname", 60};
// Shown in their lit state; they only carry hints.
inline constexpr Control kDriverVersionLabel{{77, 110, 274, 141}, nullptr, 89};
inline constexpr Control kFirmwareVersionLabel{{380, 113, 559, 140}, nullptr, 90};

// In the order the page creates them.
inline constexpr std::array kControls{kUpdateButton,  kWebButton,          kImportButton,        kExportButton,
                                      kDefaultsButton, kDriverVersionLabel, kFirmwareVersionLabel};

// The panels' headings, and each control's caption inside its face (the labels' right of their
// icons).
inline constexpr std::array kCaptions{
    CaptionPlace{CaptionId::Versions, {42, 24, 897, 48}, CaptionStyle::PanelHeading},
    CaptionPlace{CaptionId::Configuration, {42, 344, 897, 368}, CaptionStyle::PanelHeading},
    CaptionPlace{CaptionId::Update, {409, 266, 516, 291}, CaptionStyle::PushButton, CaptionAlign::Centre},
    CaptionPlace{CaptionId::Website, {715, 266, 822, 291}, CaptionStyle::PushButton, CaptionAlign::Centre},
    CaptionPlace{CaptionId::Import, {138, 391, 220, 418}, CaptionStyle::PushButton, CaptionAlign::Centre},
    CaptionPlace{CaptionId::Export, {238, 391, 320, 418}, CaptionStyle::PushButton, CaptionAlign::Centre},
    CaptionPlace{CaptionId::Defaults, {789, 390, 869, 415}, CaptionStyle::PushButton, CaptionAlign::Centre},
    CaptionPlace{CaptionId::DriverVersion, {101, 112, 270, 139}, CaptionStyle::AccentLabel, CaptionAlign::Centre},
    CaptionPlace{CaptionId::FirmwareVersion, {404, 114, 555, 139}, CaptionStyle::AccentLabel, CaptionAlign::Centre},
};

// Where the two versions are painted: x, y, width, height of each text's layout box.
inline constexpr LayoutRect kDriverVersionText{127, 169, 127 + 247, 169 + 192};
inline constexpr LayoutRect kFirmwareVersionText{440, 169, 440 + 515, 169 + 192};
inline constexpr unsigned kVersionTextArgb = 0xFFC1D2EE;
inline constexpr int kVersionTextPoints = 12;

// How the desktop's input reaches the program, and below it what is missing and what to do.
inline constexpr LayoutRect kDesktopInputText{77, 204, 900, 224};
inline constexpr LayoutRect kDesktopAdviceText{77, 226, 900, 262};
inline constexpr int kDesktopAdvicePoints = 9;

}  // namespace oryn7px::support_page
