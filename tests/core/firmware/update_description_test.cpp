#include <gtest/gtest.h>

#include "core/base/sha256.h"
#include "core/firmware/firmware_texts.h"
#include "core/firmware/update_description.h"
#include "core/firmware/update_files.h"
#include "core/i18n/fake_converter.h"
#include "core/i18n/string_table.h"
#include "core/i18n/temp_dir.h"

namespace oryn7px::testing {
namespace {

TEST(VersionNumber, ReadsLeadingDigitsAndRefusesWhatIsNoVersion) {
    const std::vector<std::pair<std::u16string, uint32_t>> cases = {
        {u"104", 104},        {u"  104\n", 104}, {u"104abc", 104}, {u"", 0},          {u"abc", 0},
        {u"-104", 0},         {u"+104", 0},      {u"4294967295", 4294967295u},        {u"4294967296", 0},
        {u"99999999999999999999999", 0},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(VersionNumber(text), number) << std::string(text.begin(), text.end());
    }
}

TEST(UpdateAddress, TheVariableReplacesTheVendorAddress) {
    EXPECT_EQ(UpdateAddress("http://127.0.0.1:8000/u.xml"), "http://127.0.0.1:8000/u.xml");
    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        const std::string vendor = UpdateAddress(unset);
        EXPECT_EQ(vendor.rfind("https://", 0), 0u);
        EXPECT_NE(vendor.find("/software/ORYN7PX/update.xml"), std::string::npos);
    }
}

class UpdateDescriptionTest : public ::testing::Test {
protected:
    TempDir dir;
    FakeConverter converter;
    StringTable strings{converter};
};

TEST_F(UpdateDescriptionTest, ReadsTheFirmwareSection) {
    const auto file = dir.Write("update.xml",
                                "<?xml version=\"1.0\"?><update><firmware><current> 104 </current>"
                                "<newfile>http://h/fw&amp;x.bin</newfile><sha256>\nABC\n</sha256></firmware></update>");
    const UpdateDescription description = ReadUpdateDescription(strings, file);
    EXPECT_EQ(description.current, 104u);
    EXPECT_EQ(description.newfile, "http://h/fw&x.bin");
    EXPECT_EQ(description.sha256, "ABC");
}

TEST_F(UpdateDescriptionTest, BadOrMissingDescriptionsOfferNothing) {
    const std::vector<std::string> bodies = {
        "", "\xff\xfe\x00<", "<update><current>104</current></update>", "<firmware><current>104</current></firmware>",
        std::string(100000, '<'),
    };
    for (const std::string& body : bodies) {
        const UpdateDescription description = ReadUpdateDescription(strings, dir.Write("update.xml", body));
        EXPECT_TRUE(description.newfile.empty()) << body.substr(0, 40);
        EXPECT_EQ(description.current, 0u) << body.substr(0, 40);
    }
    EXPECT_EQ(ReadUpdateDescription(strings, dir.path() / "missing.xml").current, 0u);
}

TEST_F(UpdateDescriptionTest, ReadingTheDescriptionLeavesTheTranslatedTexts) {
    strings.LoadLanguageFile(dir.Write("en.xml", "<root><config><str_update>Update</str_update></config></root>"));
    ReadUpdateDescription(strings, dir.Write("update.xml", "<u><firmware><current>1</current></firmware></u>"));
    EXPECT_EQ(strings.Text("str_update"), u"Update");
}

TEST(UpdateFiles, TheProgramFolderWhenWritableElseTheUsersFolder) {
    const std::filesystem::path program = "/opt/oryn7px";
    const std::filesystem::path user = "/home/u/.local/share/TAVIK/ORYN7PX";
    EXPECT_EQ(ChooseUpdateFolder(program, user, [](const auto&) { return true; }), program / "FWUpdate/new_version");
    EXPECT_EQ(ChooseUpdateFolder(program, user, [](const auto&) { return false; }), user / "FWUpdate/new_version");
    EXPECT_EQ(FlashingToolPath(program), program / "FWUpdate/RoruziVI");
}

TEST(UpdateFiles, AFolderThatCannotBeMadeIsNotWritable) {
    TempDir dir;
    EXPECT_TRUE(FolderIsWritable(dir.path() / "a" / "b"));
    const auto file = dir.Write("plain file", "x");
    EXPECT_FALSE(FolderIsWritable(file / "below"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "a" / "b" / ".write-probe"));
}

TEST(Sha256, KnownDigests) {
    auto digest = [](std::string_view text) {
        return Sha256Hex(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    };
    EXPECT_EQ(digest(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(digest("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(digest("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(digest(std::string(1000000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

}  // namespace
}  // namespace oryn7px::testing
