#include <gtest/gtest.h>

#include "core/settings/statistics_file.h"
#include "core/support/settings_fixture.h"

namespace oryn7px {
namespace {

using testing::Box;
using testing::ShownMessage;
using testing::U16;

class StatisticsFileTest : public testing::SettingsFixture {
protected:
    StatisticsFile file{paths, writer, messages, texts};
};

TEST_F(StatisticsFileTest, SaveThenLoad) {
    const StsData counts{1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(file.SaveStatistics(counts));
    EXPECT_EQ(testing::ReadAll(file.StatisticsPath()).size(), 24u);
    StsData loaded{};
    ASSERT_TRUE(file.LoadStatistics(loaded));
    EXPECT_EQ(loaded.nRightClicks, 3u);
    EXPECT_EQ(loaded.nMoveDistance, 6u);
}

TEST_F(StatisticsFileTest, ShortAndLongFiles) {
    const std::vector<uint8_t> twelve = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0};
    testing::WriteAll(file.StatisticsPath(), twelve);
    StsData loaded{9, 9, 9, 9, 9, 9};
    ASSERT_TRUE(file.LoadStatistics(loaded));
    EXPECT_EQ(loaded.nLeftClicks, 1u);
    EXPECT_EQ(loaded.nRightClicks, 3u);
    EXPECT_EQ(loaded.nWheelUp, 0u);
    EXPECT_EQ(loaded.nMoveDistance, 0u);

    testing::WriteAll(file.StatisticsPath(), testing::RandomBytes(1000, 1));
    EXPECT_TRUE(file.LoadStatistics(loaded));
}

TEST_F(StatisticsFileTest, MissingFileIsReportedAndCountsStay) {
    StsData loaded{7, 0, 0, 0, 0, 0};
    EXPECT_FALSE(file.LoadStatistics(loaded));
    EXPECT_EQ(loaded.nLeftClicks, 7u);
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{Box::kProgram, u"Failed to open file, check whether there is a " +
                                                             U16(file.StatisticsPath()) + u" path?"}}));
}

// Counts of earlier runs in a file that cannot be read (a folder in its place) are never
// replaced by this run's, which started from zero.
TEST_F(StatisticsFileTest, UnreadableFileIsNeverSavedOver) {
    std::filesystem::create_directories(file.StatisticsPath() / "inside");
    StsData counts{};
    EXPECT_FALSE(file.LoadStatistics(counts));
    counts.nLeftClicks = 5;
    EXPECT_FALSE(file.SaveStatistics(counts));
    EXPECT_TRUE(writer.writes.empty());
    const std::u16string path = U16(file.StatisticsPath());
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{
                  {Box::kInfoCaption, path + u" cannot be read; it will not be changed."},
                  {Box::kInfoCaption, path + u" cannot be read; the change was refused and the file left as it is."}}));
}

// A reset writes zeros over counts it could read or over none; something else in the file's
// place is named for what it is and left alone.
TEST_F(StatisticsFileTest, AResetNamesWhatStandsInThePlaceOfTheFile) {
    EXPECT_TRUE(file.ResetStatistics());
    EXPECT_EQ(testing::ReadAll(file.StatisticsPath()), std::vector<uint8_t>(24, 0));

    std::filesystem::remove(file.StatisticsPath());
    std::filesystem::create_directories(file.StatisticsPath() / "inside");
    messages.shown.clear();
    EXPECT_FALSE(file.ResetStatistics());
    EXPECT_TRUE(std::filesystem::is_directory(file.StatisticsPath() / "inside"));
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{
                  {Box::kInfoCaption, U16(file.StatisticsPath()) + u" is not a regular file; it was left alone."}}));
}

TEST_F(StatisticsFileTest, SaveFailuresByCause) {
    for (ErrorKind error : {ErrorKind::kNotFound, ErrorKind::kAccessDenied, ErrorKind::kIo, ErrorKind::kNotRegular,
                            ErrorKind::kForeignLink}) {
        writer.failAll = error;
        EXPECT_FALSE(file.SaveStatistics({}));
    }
    const std::u16string path = U16(file.StatisticsPath());
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{
                  {Box::kInfoCaption, u"MSG2 " + path},
                  {Box::kInfoCaption, u"MSG5"},
                  {Box::kInfoCaption, path + u" could not be written: refused by the test."},
                  {Box::kInfoCaption, path + u" is not a regular file; it was left alone."},
                  {Box::kInfoCaption, path + u" is a link to another user's file, or one another user put there; nothing was written through it."}}));
}

}  // namespace
}  // namespace oryn7px
