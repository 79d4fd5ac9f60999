#pragma once
// The dialog "Programs for profile N": geometry, pictures and captions.
#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"

namespace oryn7px::programs_dialog {

inline constexpr StatePictures kPictures{"programs/Programs_Normal.bmp", "programs/Programs_Down.bmp",
                                         "programs/Programs_Over.bmp"};

// The dialog is the size of its normal picture; the artwork draws it this size.
inline constexpr int kWidth = 420;
inline constexpr int kHeight = 420;
inline constexpr int kTitleBarHeight = 30;

inline constexpr LayoutRect kCloseButton{390, 0, 420, 30};
// The programs, one row each with its tick box, in a frame with a skinned scroll bar.
inline constexpr LayoutRect kList{16, 62, 404, 242};
inline constexpr int kListRowHeight = 20;
inline constexpr int kListId = 2701;
// A program that has no window now, typed by name.
inline constexpr LayoutRect kNameBox{112, 252, 318, 274};
inline constexpr LayoutRect kAddButton{324, 249, 404, 277};
// Check boxes: the box at the left of the row, the caption after it; the whole row is the control.
inline constexpr LayoutRect kDefaultBox{16, 284, 404, 304};
inline constexpr LayoutRect kFollowBox{16, 308, 404, 328};
inline constexpr int kTickBoxSize = 16;
inline constexpr int kChoiceCaptionIndent = 22;
// Which desktop tells the program in front, or why none does; a damaged rules file.
inline constexpr LayoutRect kStatus{16, 334, 404, 384};
inline constexpr LayoutRect kOkButton{248, 386, 324, 414};
inline constexpr LayoutRect kCancelButton{328, 386, 404, 414};

constexpr LayoutRect CaptionInside(const LayoutRect& control, int inset) {
    return {control.left + inset, control.top + 2, control.right - inset, control.bottom - 2};
}
constexpr LayoutRect ChoiceCaption(const LayoutRect& box) {
    return {box.left + kChoiceCaptionIndent, box.top, box.right, box.bottom};
}

// The title's %1 is the profile's number; the table holds the widest.
inline constexpr CaptionPlace kTitleCaption{CaptionId::ProgramsForProfile, {12, 4, 384, 28},
                                            CaptionStyle::PanelHeading, CaptionAlign::Left, 5};
inline constexpr std::array kCaptions{
    kTitleCaption,
    CaptionPlace{CaptionId::ProgramsTick, {16, 38, 404, 58}, CaptionStyle::Label},
    CaptionPlace{CaptionId::ProgramName, {16, 252, 108, 274}, CaptionStyle::Label},
    CaptionPlace{CaptionId::AddProgram, CaptionInside(kAddButton, 4), CaptionStyle::PushButton, CaptionAlign::Centre},
    CaptionPlace{CaptionId::DefaultForOthers, ChoiceCaption(kDefaultBox), CaptionStyle::Choice},
    CaptionPlace{CaptionId::FollowPrograms, ChoiceCaption(kFollowBox), CaptionStyle::Choice},
    CaptionPlace{CaptionId::BoxOk, CaptionInside(kOkButton, 4), CaptionStyle::BoxButton, CaptionAlign::Centre},
    CaptionPlace{CaptionId::BoxCancel, CaptionInside(kCancelButton, 4), CaptionStyle::BoxButton, CaptionAlign::Centre},
};

// Every skin file the dialog loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal, kPictures.down, kPictures.over};

}  // namespace oryn7px::programs_dialog
