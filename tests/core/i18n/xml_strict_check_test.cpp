#include "core/i18n/xml_strict_check.h"

#include <gtest/gtest.h>

#include "core/i18n/xml_doc.h"
#include "fake_converter.h"

namespace oryn7px {
namespace {

using testing::FakeConverter;
using namespace std::string_literals;  // bytes with zeros in them

TEST(XmlStrictCheckTest, EncodingFaultsAreNamedByTheirByte) {
    const struct {
        std::string bytes;
        std::vector<std::string> problems;
    } cases[] = {
        {"<?xml version='1.0' encoding='UTF-8'?><r>\xFF</r>", {"Invalid UTF-8 at byte 41"}},
        {"\xEF\xBB\xBF<r>a\xC3</r>", {"Invalid UTF-8 at byte 7"}},
        {"<r>a\0b</r>"s, {"NUL character at byte 4"}},
        {"\xFF\xFE<\0r\0/\0>\0x"s, {"Odd number of bytes in UTF-16: half a character at byte 10"}},
        {"\xFE\xFF\0<\0r\0\0\0/\0>"s, {"NUL character at byte 6"}},
        // Markup faults keep counting UTF-16 units of the text.
        {"\xFF\xFE<\0r\0/\0>\0x\0"s, {"Text after the root element at offset 4"}},
        {"<r>\x1B</r>", {"Character U+001B at offset 3 is not allowed in XML"}},
        {"\xFF\xFE<\0r\0>\0\0\0<\0/\0r\0>\0x"s,
         {"Odd number of bytes in UTF-16: half a character at byte 18", "NUL character at byte 8"}},
    };
    FakeConverter converter;
    for (const auto& c : cases) EXPECT_EQ(StrictXmlProblems(c.bytes, converter), c.problems) << c.bytes;
}

// The reader's own rules stay lenient: these files load, and their text is what it always was.
TEST(XmlStrictCheckTest, FilesTheReaderTakesAreStillTaken) {
    const struct {
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"<r><config><k a=b>x</k></config></r>junk", u"x"},
        {"<r><config><k>a\0b</k></config></r>"s, u"ab"},
        {"<r><config><k>\xFF</k></config></r>", u"\uFFFD"},
        {"<r><config><k>&#0;&bad;</k></config></r>", u"&#0;&bad;"},
    };
    FakeConverter converter;
    for (const auto& c : cases) {
        CXmlDoc doc(converter);
        doc.LoadBytes(c.bytes);
        EXPECT_EQ(doc.GetSectionText("config", "k"), c.text) << c.bytes;
        EXPECT_FALSE(StrictXmlProblems(c.bytes, converter).empty()) << c.bytes;
    }
}

// An undeclared file that is not UTF-8 is read in the ANSI code page: no UTF-8 fault then.
TEST(XmlStrictCheckTest, AnsiFilesAreNotHeldToUtf8) {
    FakeConverter converter;
    EXPECT_EQ(StrictXmlProblems(" <r>\xE9</r>", converter), std::vector<std::string>{});
    EXPECT_EQ(StrictXmlProblems("<?xml version='1.0' encoding='windows-1252'?><r>\xE9</r>", converter),
              std::vector<std::string>{});
}

}  // namespace
}  // namespace oryn7px
