#pragma once
// The statistics page: geometry of its controls and the pictures they are cut from.
#include "core/app/layout/layout_types.h"

namespace oryn7px::statistics_page {

inline constexpr StatePictures kPictures{"Sts_Normal.bmp", "Sts_Down.bmp", "Sts_Over.bmp"};

// Trophy pictures are page-sized, with the trophy at the large trophy control's place.
inline constexpr int kWidth = 925;
inline constexpr int kHeight = 456;
inline constexpr LayoutRect kLargeTrophy{309, 0, 607, 451};
inline constexpr int kTrophyLevels = 13;
inline constexpr std::array<const char*, kTrophyLevels> kTrophyPictures{
    "trophy/trophy0Down.bmp", "trophy/trophy1Down.bmp",  "trophy/trophy2Down.bmp",  "trophy/trophy3Down.bmp",
    "trophy/trophy4Down.bmp", "trophy/trophy5Down.bmp",  "trophy/trophy6Down.bmp",  "trophy/trophy7Down.bmp",
    "trophy/trophy8Down.bmp", "trophy/trophy9Down.bmp",  "trophy/trophy10Down.bmp", "trophy/trophy11Down.bmp",
    "trophy/trophy12Down.bmp"};

// Every skin file the page loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal,  kTrophyPictures[0],  kTrophyPictures[1],
                                       kTrophyPictures[2], kTrophyPictures[3],  kTrophyPictures[4],
                                       kTrophyPictures[5], kTrophyPictures[6],  kTrophyPictures[7],
                                       kTrophyPictures[8], kTrophyPictures[9],  kTrophyPictures[10],
                                       kTrophyPictures[11], kTrophyPictures[12]};

}  // namespace oryn7px::statistics_page
