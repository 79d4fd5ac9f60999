#include "core/layout/skin_files.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

struct ScaledNameCase {
    const char* file;
    int scale;
    const char* expected;
};

class ScaledSkinFileName : public ::testing::TestWithParam<ScaledNameCase> {};

TEST_P(ScaledSkinFileName, PutsTheScaleBeforeTheExtension) {
    const ScaledNameCase c = GetParam();
    EXPECT_EQ(ScaledSkinFile(c.file, c.scale), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ScaledSkinFileName,
    ::testing::Values(ScaledNameCase{"Frame_Normal.bmp", 2, "Frame_Normal@2x.bmp"},
                      ScaledNameCase{"Menu/MenuNorL.BMP", 2, "Menu/MenuNorL@2x.BMP"},
                      ScaledNameCase{"res/160.png", 2, "res/160@2x.png"},
                      ScaledNameCase{"zh/Main_Normal.bmp", 2, "zh/Main_Normal@2x.bmp"},
                      ScaledNameCase{"ProgressBar/Progress.Over.png", 2, "ProgressBar/Progress.Over@2x.png"},
                      ScaledNameCase{"trophy.d/cup", 2, "trophy.d/cup@2x"},  // a dot in the folder only
                      ScaledNameCase{"res/160.png", 1, "res/160.png"}));

TEST(PictureScale, TheTwiceSetServesEveryRatioAboveOne) {
    EXPECT_EQ(PictureScaleFor(1.0), 1);
    EXPECT_EQ(PictureScaleFor(0.75), 1);
    for (double ratio : {1.25, 1.5, 1.75, 2.0, 3.0}) EXPECT_EQ(PictureScaleFor(ratio), 2) << ratio;
}

}  // namespace
}  // namespace oryn7px
