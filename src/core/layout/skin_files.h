#pragma once
// Every skin file the windows load, relative to the skins folder, gathered from each window's
// own list, so the check that the build drew them all never keeps a copy of the names.
#include <string>
#include <string_view>
#include <vector>

namespace oryn7px {

// The file of numbered resource `number`.
std::string ResourceFile(int number);

std::vector<std::string> AllSkinFiles();

// Every picture comes in two sets: as designed (scale 1) and with twice the pixels for screens
// that show more than one pixel per window unit (scale 2).
inline constexpr int kPictureScales[] = {1, 2};

// The name of `file` in the set of `scale`: "Menu/MenuNorL.BMP" at 2 is "Menu/MenuNorL@2x.BMP",
// the suffix by which Qt's image reader knows a picture's device pixel ratio.
std::string ScaledSkinFile(std::string_view file, int scale);

// The set for a screen of this device pixel ratio: above 1 the 2x set (at fractional ratios Qt
// scales it down, which stays sharper than scaling the 1x set up), else the 1x set.
int PictureScaleFor(double devicePixelRatio);

}  // namespace oryn7px
