#include "core/i18n/xml_doc.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/base/utf16.h"
#include "fake_converter.h"
#include "temp_dir.h"

namespace oryn7px {
namespace {

using testing::FakeConverter;
using testing::TempDir;

class XmlDocTest : public ::testing::Test {
protected:
    std::string Section(std::string_view xml, std::string_view key, std::string_view section = "config") {
        doc.LoadBytes(xml);
        return Utf16ToUtf8(doc.GetSectionText(section, key));
    }

    FakeConverter converter;
    CXmlDoc doc{converter};
};

TEST_F(XmlDocTest, SectionRules) {
    const struct {
        std::string xml;
        std::string key;
        std::string text;
    } cases[] = {
        {"<lang><config><str_ok>OK</str_ok></config></lang>", "str_ok", "OK"},
        {"<config><str_ok>OK</str_ok></config>", "str_ok", ""},  // the root is not the section
        {"<a><config><x/><config><str_ok>deep</str_ok></config></config></a>", "str_ok", "deep"},
        {"<a><other/><config><str_ok>first</str_ok><str_ok>second</str_ok></config></a>", "str_ok", "first"},
        {"<a><config><STR_OK>no</STR_OK><str_okay>no</str_okay></config></a>", "str_ok", ""},
        {"<a><config><str_ok lang=\"en\">with attribute</str_ok></config></a>", "str_ok", "with attribute"},
        {"<a><config><str_ok><b>child</b></str_ok></config></a>", "str_ok", ""},
        {"<a><config><str_ok/></config></a>", "str_ok", ""},
        {"<a><str_ok>outside</str_ok><config/></a>", "str_ok", ""},
        {"<a><config><str_ok>  spaced  </str_ok></config></a>", "str_ok", "  spaced  "},
        {"<a><config><str_ok></str_ok></config></a>", "str_ok", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Section(c.xml, c.key), c.text) << c.xml;
}

TEST_F(XmlDocTest, ElementText) {
    const struct {
        std::string content;
        std::string text;
    } cases[] = {
        {"Save &amp; load", "Save & load"},
        {"&#65;&#x42;&unknown;", "AB&unknown;"},
        {"<![CDATA[a < b & &amp;]]>", "a < b & &amp;"},
        {"one<!-- note -->two<?pi x?>three", "onetwothree"},
        {"  <![CDATA[x]]>  \n ", "x"},
        {"a &amp; <![CDATA[&amp;]]> b", "a & &amp; b"},
        {"x < y", "x < y"},
        {"Use %s<!-- path -->", "Use %s"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Section("<l><config><k>" + c.content + "</k></config></l>", "k"), c.text) << c.content;
    }
}

TEST_F(XmlDocTest, IllFormedFileStillGivesWhatWasIndexed) {
    EXPECT_FALSE(doc.LoadBytes("<l><config><str_ok>OK</str_ok><str_x>open</config><str_y>late</str_y>"));
    EXPECT_EQ(doc.ParseError(), "End tag 'config' at offset 41 does not match start tag 'str_x' at offset 30");
    EXPECT_EQ(doc.GetSectionText("config", "str_ok"), u"OK");
    EXPECT_EQ(doc.GetSectionText("config", "str_x"), u"open");
    EXPECT_EQ(doc.GetSectionText("config", "str_y"), u"");
}

TEST_F(XmlDocTest, Navigation) {
    ASSERT_TRUE(doc.LoadBytes("<r><a>1</a><b>2</b><a>3</a></r>"));
    EXPECT_FALSE(doc.EnterElement());
    EXPECT_TRUE(doc.FindChild("a"));
    EXPECT_EQ(doc.GetChildText(), u"1");
    EXPECT_TRUE(doc.FindChild("a"));
    EXPECT_EQ(doc.GetChildText(), u"3");
    EXPECT_FALSE(doc.FindChild("a"));
    EXPECT_EQ(doc.GetChildText(), u"3");  // a failed search keeps the position
    EXPECT_TRUE(doc.EnterElement());     // r is now the parent level, the last a current
    EXPECT_EQ(doc.GetChildText(), u"");
    EXPECT_FALSE(doc.FindElement("a"));
    EXPECT_FALSE(doc.FindElement());
    doc.ResetPos();
    EXPECT_TRUE(doc.FindElement("r"));
    EXPECT_FALSE(doc.FindElement());
}

TEST_F(XmlDocTest, FileThatCannotBeReadLeavesAnEmptyDocument) {
    TempDir dir;
    ASSERT_TRUE(doc.LoadFile(dir.Write("ok.xml", "<l><config><str_ok>OK</str_ok></config></l>")));
    EXPECT_EQ(doc.GetSectionText("config", "str_ok"), u"OK");
    EXPECT_FALSE(doc.LoadFile(dir.path() / "missing.xml"));
    EXPECT_EQ(doc.GetSectionText("config", "str_ok"), u"");
    EXPECT_EQ(doc.LoadDescription(), "");
    EXPECT_FALSE(doc.LoadFile(dir.path()));  // a folder
    EXPECT_FALSE(doc.FindChild("config"));
}

TEST_F(XmlDocTest, LoadFileReportsEncoding) {
    TempDir dir;
    ASSERT_TRUE(doc.LoadFile(dir.Write("be.xml", std::string("\xFE\xFF\0<\0r\0>\0\xE9\0<\0/\0r\0>", 18))));
    EXPECT_TRUE(doc.HasByteOrderMark());
    EXPECT_TRUE(doc.IsUtf16());
    EXPECT_TRUE(doc.IsBigEndian());
    EXPECT_EQ(doc.LoadDescription(), "UTF-16BE BOM + length 8 endian swap to 8 wide chars");
    EXPECT_TRUE(doc.FindElement("r"));
}

TEST(XmlDocThreadsTest, EachThreadWithItsOwnDocument) {
    FakeConverter converter;
    std::vector<std::thread> threads;
    std::vector<int> found(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&converter, &found, t] {
            CXmlDoc doc(converter);
            const std::string value = "v" + std::to_string(t);
            for (int i = 0; i < 200; ++i) {
                doc.LoadBytes("<r><firmware><version>" + value + "&amp;</version></firmware></r>");
                if (doc.GetSectionText("firmware", "version") == Utf8ToUtf16(value + "&")) ++found[t];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(found, std::vector<int>(4, 200));
}

}  // namespace
}  // namespace oryn7px
