#include "core/i18n/string_table.h"

#include <gtest/gtest.h>

#include <set>

#include "core/base/utf16.h"
#include "fake_converter.h"
#include "temp_dir.h"

namespace oryn7px {
namespace {

using testing::FakeConverter;
using testing::TempDir;

// Every key of the table with its own name as text, in reverse order to show order does not matter.
std::string CompleteFile() {
    std::string xml = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<language>\n<config>\n";
    const auto& keys = LanguageKeys();
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        xml += "  <" + std::string(key->name) + ">" + std::string(key->name) + " text</" + std::string(key->name) + ">\n";
    }
    return xml + "</config>\n</language>\n";
}

class StringTableTest : public ::testing::Test {
protected:
    FakeConverter converter;
    StringTable table{converter};
    TempDir dir;
};

TEST_F(StringTableTest, LoadFillsEveryKey) {
    table.LoadLanguageFile(dir.Write("en.xml", CompleteFile()));
    for (const LanguageKey& key : LanguageKeys()) {
        EXPECT_EQ(Utf16ToUtf8(table.Text(key.name)), std::string(key.name) + " text");
    }
    EXPECT_EQ(table.GetLanguageText("str_marco_list"), u"str_marco_list text");
    EXPECT_EQ(table.Text("str_not_a_key"), u"");
    EXPECT_EQ(table.GetLanguageText("str_not_a_key"), u"");
}

TEST_F(StringTableTest, DecodedTextsAndMissingKeys) {
    table.LoadLanguageFile(dir.Write("x.xml",
                                     "<l><config>"
                                     "<str_ok>Save &amp; apply</str_ok>"
                                     "<str_msg2>Folder &#x22;%s&#x22; not found</str_msg2>"
                                     "<str_msg4><![CDATA[<Access denied>]]></str_msg4>"
                                     "</config></l>"));
    EXPECT_EQ(table.Text("str_ok"), u"Save & apply");
    EXPECT_EQ(table.Text("str_msg2"), u"Folder \"%s\" not found");
    EXPECT_EQ(table.Text("str_msg4"), u"<Access denied>");
    EXPECT_EQ(table.Text("str_main"), u"");
}

TEST_F(StringTableTest, RootNamedConfigGivesNothing) {
    table.LoadLanguageFile(dir.Write("x.xml", "<config><str_ok>OK</str_ok></config>"));
    EXPECT_EQ(table.Text("str_ok"), u"");
}

TEST_F(StringTableTest, UnreadableFileEmptiesThePreviousLanguage) {
    table.LoadLanguageFile(dir.Write("en.xml", CompleteFile()));
    ASSERT_FALSE(table.Text("str_ok").empty());
    table.LoadLanguageFile(dir.path() / "missing.xml");
    for (const LanguageKey& key : LanguageKeys()) EXPECT_EQ(table.Text(key.name), u"") << key.name;
}

TEST_F(StringTableTest, IsTheTextSourceOfMessages) {
    table.LoadLanguageFile(dir.Write("x.xml", "<l><config><str_msg5>Access denied</str_msg5></config></l>"));
    const TextSource& source = table;
    EXPECT_EQ(source.Text("str_msg5"), u"Access denied");
}

TEST_F(StringTableTest, CaptionsComeFromTheFileAndFallBackToEnglish) {
    EXPECT_EQ(table.Caption(CaptionId::Apply), u"APPLY") << "before any load";
    table.LoadLanguageFile(dir.Write("fr.xml",
                                     "<l><config><cap_apply>APPLIQUER</cap_apply><cap_lang></cap_lang>"
                                     "<cap_tab_main>PRINCIPAL</cap_tab_main></config></l>"));
    EXPECT_EQ(table.Caption(CaptionId::Apply), u"APPLIQUER");
    EXPECT_EQ(table.Caption(CaptionId::TabMain), u"PRINCIPAL");
    EXPECT_EQ(table.Caption(CaptionId::Lang), u"LANG") << "an empty caption shows the English one";
    EXPECT_EQ(table.Caption(CaptionId::DpiLevels), u"DPI LEVELS") << "a missing caption shows the English one";
    table.LoadLanguageFile(dir.path() / "missing.xml");
    EXPECT_EQ(table.Caption(CaptionId::Apply), u"APPLY") << "an unreadable file leaves no caption empty";
}

TEST(CaptionKeys, NamesAreUniqueCaptionKeysWithEnglishTexts) {
    std::set<std::string_view> names;
    for (const CaptionKey& caption : CaptionKeys()) {
        EXPECT_TRUE(caption.name.starts_with("cap_")) << caption.name;
        EXPECT_FALSE(caption.english.empty()) << caption.name;
        EXPECT_TRUE(names.insert(caption.name).second) << caption.name << " twice";
        EXPECT_FALSE(LanguageKeyIndex(caption.name)) << caption.name << " is a translated text's key";
    }
}

}  // namespace
}  // namespace oryn7px
