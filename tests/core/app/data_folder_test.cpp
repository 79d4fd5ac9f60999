#include <gtest/gtest.h>

#include "core/app/data_folder.h"

namespace oryn7px {
namespace {

TEST(DataFolder, WindowsRule) {
    struct Case {
        std::u16string programFolder;
        std::u16string systemDirectory;
        std::u16string expected;
    };
    const std::u16string appData = u"C:\\Users\\kim\\AppData\\Local";
    const Case cases[] = {
        {u"C:\\Program Files\\TAVIK", u"C:\\Windows\\system32", appData + u"\\TAVIK\\ORYN7PX"},
        {u"D:\\Games\\TAVIK", u"C:\\Windows\\system32", u"D:\\Games\\TAVIK"},
        {u"c:\\tavik", u"C:\\Windows\\system32", u"c:\\tavik"},  // case-sensitive on purpose
        {u"", u"C:\\Windows\\system32", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(WindowsDataFolder(c.programFolder, c.systemDirectory, appData), c.expected);
}

TEST(DataFolder, FolderOfExecutable) {
    EXPECT_EQ(FolderOfExecutable(u"C:\\Program Files\\TAVIK\\ORYN7PXDriver.exe"), u"C:\\Program Files\\TAVIK");
    EXPECT_EQ(FolderOfExecutable(u"D:\\x.exe"), u"D:");
    EXPECT_EQ(FolderOfExecutable(u"x.exe"), u"");
}

}  // namespace
}  // namespace oryn7px
