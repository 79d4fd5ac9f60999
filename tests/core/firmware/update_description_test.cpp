#include <gtest/gtest.h>

#include "core/base/sha256.h"
#include "core/base/utf16.h"
#include "core/firmware/firmware_texts.h"
#include "core/firmware/update_description.h"
#include "core/firmware/update_files.h"
#include "core/i18n/fake_converter.h"
#include "core/i18n/string_table.h"
#include "core/i18n/temp_dir.h"

namespace oryn7px::testing {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(VersionNumber, DecimalDigitsWithBlanksAroundAndNothingElse) {
    const std::vector<std::pair<std::u16string, std::optional<uint32_t>>> cases = {
        {u"104", 104},           {u"  104\n", 104},         {u"\t7\r\n", 7},        {u"0", 0},
        {u"4294967295", 4294967295u},
        {u"105abc", std::nullopt}, {u"105.5", std::nullopt}, {u"1e3", std::nullopt}, {u"1 0 4", std::nullopt},
        {u"", std::nullopt},     {u"  ", std::nullopt},      {u"abc", std::nullopt},  {u"-104", std::nullopt},
        {u"+104", std::nullopt}, {u"0x68", std::nullopt},    {u"\uFF11\uFF10\uFF14", std::nullopt},
        {u"4294967296", std::nullopt},                       {u"99999999999999999999999", std::nullopt},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(VersionNumber(text), number) << Utf16ToUtf8(text);
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
    const std::string body =
        "<?xml version=\"1.0\"?><update><firmware><current> 104 </current>"
        "<newfile>http://h/fw&amp;x.bin</newfile><sha256>\nABC\n</sha256></firmware></update>";
    const Result<UpdateDescription> read = ReadUpdateDescription(strings, dir.Write("update.xml", body));
    const Result<UpdateDescription> parsed = ParseUpdateDescription(strings, Bytes(body));
    for (const Result<UpdateDescription>* description : {&read, &parsed}) {
        ASSERT_TRUE(description->Ok()) << description->Failure().message;
        EXPECT_EQ((*description)->current, 104u);
        EXPECT_EQ((*description)->newfile, "http://h/fw&x.bin");
        EXPECT_EQ((*description)->sha256, "ABC");
    }
}

TEST_F(UpdateDescriptionTest, ADescriptionThatDoesNotParseCannotBeRead) {
    const std::vector<std::string> bodies = {
        "",
        "garbage, not XML at all",
        "\xff\xfe\x00<",
        std::string(100000, '<'),
        "<update><firmware><current>105</current><newfile>http://h/fw.bin</newf",  // cut off
        "<update><current>104</current></update>",                                  // no firmware section
        "<firmware><current>104</current></firmware>",                              // the section is the root
        "<update><firmware><newfile>http://h/fw.bin</newfile></firmware></update>",  // no version
        "<update><firmware><current>105abc</current></firmware></update>",
        "<update><firmware><current>105.5</current></firmware></update>",
        "<update><firmware><current>1e3</current></firmware></update>",
    };
    for (const std::string& body : bodies) {
        const Result<UpdateDescription> read = ReadUpdateDescription(strings, dir.Write("update.xml", body));
        const Result<UpdateDescription> parsed = ParseUpdateDescription(strings, Bytes(body));
        for (const Result<UpdateDescription>* description : {&read, &parsed}) {
            ASSERT_FALSE(description->Ok()) << body.substr(0, 60);
            EXPECT_EQ(description->Failure().kind, ErrorKind::kInvalidData) << body.substr(0, 60);
            EXPECT_TRUE(description->Failure().message.starts_with(kUnreadableDescription)) << body.substr(0, 60);
        }
    }
    EXPECT_TRUE(ReadUpdateDescription(strings, dir.path() / "missing.xml").FailedWith(ErrorKind::kInvalidData));
}

TEST_F(UpdateDescriptionTest, ReadingTheDescriptionLeavesTheTranslatedTexts) {
    strings.LoadLanguageFile(dir.Write("en.xml", "<root><config><str_update>Update</str_update></config></root>"));
    ASSERT_TRUE(ReadUpdateDescription(strings, dir.Write("update.xml", "<u><firmware><current>1</current></firmware></u>")));
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
