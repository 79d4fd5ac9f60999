// The picture cache: each file decoded once and shared, pictures nobody keeps dropped, and
// controls that keep only their own box of a full-window picture.
#include <QFileInfo>
#include <gtest/gtest.h>

#include "core/layout/frame_layout.h"
#include "core/layout/skin_files.h"
#include "main_window_fixture.h"
#include "ui/pages/page_dlg.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/skin_resources.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

class PictureCacheTest : public ::testing::Test {
protected:
    void SetUp() override { SetProgramFolder(QStringLiteral(ORYN7PX_TEST_PROGRAM_DIR)); }
    void TearDown() override { SetProgramFolder(QString()); }
};

TEST_F(PictureCacheTest, EveryFileTheWindowsLoadWasGenerated) {
    for (const std::string& file : AllSkinFiles())
        EXPECT_TRUE(QFileInfo::exists(SkinPath(QString::fromStdString(file)))) << file;
}

TEST_F(PictureCacheTest, DecodesOnceAndSharesTheImage) {
    const int decodes = PictureDecodeCount();
    const QImage first = SkinPicture(QStringLiteral("Frame_Over.bmp"));
    const QImage second = SkinPicture(QStringLiteral("Frame_Over.bmp"));
    const QImage resource = ResourcePicture(160);
    const QImage resourceAgain = LoadResource(160);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.cacheKey(), second.cacheKey());
    EXPECT_EQ(resource.cacheKey(), resourceAgain.cacheKey());
    EXPECT_EQ(PictureDecodeCount(), decodes + 2);
}

TEST_F(PictureCacheTest, ReleasesOnlyPicturesNobodyHolds) {
    QImage held = SkinPicture(QStringLiteral("Frame_Normal.bmp"));
    SkinPicture(QStringLiteral("Frame_Down.bmp"));
    SkinPicture(QStringLiteral("no/such.png"));
    ReleaseUnusedPictures();
    EXPECT_EQ(CachedPictureCount(), 1);
    const int decodes = PictureDecodeCount();
    EXPECT_EQ(SkinPicture(QStringLiteral("Frame_Normal.bmp")).cacheKey(), held.cacheKey());
    EXPECT_EQ(PictureDecodeCount(), decodes);
}

TEST_F(PictureCacheTest, AnIrregularButtonKeepsOnlyItsBox) {
    QWidget parent;
    parent.resize(main_window::kWidth, main_window::kHeight);
    CIrrButton before(&parent), after(&parent);
    before.SetPictures(main_window::kButtonPicturesOther);
    before.Create(main_window::kPageTabs[1], &parent);
    after.Create(main_window::kApplyButton, &parent);
    after.SetPictures(test::Solid(Qt::red), test::Solid(Qt::green), test::Solid(Qt::blue), test::Solid(Qt::gray));
    for (const CIrrButton* button : {&before, &after})
        for (int i = 0; i < 4; ++i) EXPECT_EQ(button->Picture(i).size(), button->size()) << i;
    // The box is cut from the button's place in the full picture.
    EXPECT_EQ(after.Picture(1).pixelColor(0, 0), QColor(Qt::green));
}

using PicturesAtStartUp = test::MainWindowTest;

TEST_F(PicturesAtStartUp, KeepNoFullPictureTheWindowDoesNotPaintWhole) {
    ASSERT_TRUE(dialog->OnInitDialog());
    for (int i = 1; i <= kPageCount; ++i) {
        const CIrrButton* tab = dialog->Tab(i);
        for (int look = 0; look < 4; ++look) EXPECT_EQ(tab->Picture(look).size(), tab->size());
    }
    // Held are the five page backgrounds (each painted whole) and the frame's bands around
    // them, nothing else of full-window size.
    for (const char* file : {"Frame_Normal.bmp", "Frame_Over.bmp", "Frame_Down.bmp", "res/160.png", "res/163.png"}) {
        const int decodes = PictureDecodeCount();
        SkinPicture(QString::fromLatin1(file));
        EXPECT_EQ(PictureDecodeCount(), decodes + 1) << file << " was still held";
    }
}

}  // namespace
}  // namespace oryn7px
