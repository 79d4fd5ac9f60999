#include "core/i18n/xml_well_formed.h"

#include <gtest/gtest.h>

#include "core/base/utf16.h"
#include "core/i18n/xml_index.h"

namespace oryn7px {
namespace {

std::string Shown(std::u16string_view text) { return Utf16ToUtf8(text); }

std::string Problem(std::u16string_view text) {
    const std::optional<XmlProblem> problem = FirstWellFormednessProblem(text);
    return problem ? problem->message : "";
}

TEST(XmlWellFormedTest, WellFormedTextsPass) {
    const std::u16string texts[] = {
        u"<r/>",
        u"<?xml version=\"1.0\" encoding='UTF-8'?>\n<!-- c --><r a=\"1\" b='2' >t</r >\n<!-- end --><?pi x?>\n",
        u"<!DOCTYPE r [<!ENTITY a '>'>]><r a=\"x>y\"><![CDATA[<no> & ]]></r>",
        u"<r>&amp;&lt;&gt;&quot;&apos;&eacute;&nbsp;&#65;&#x41;&#x1F3AE;</r>",
        u"<r x='&amp;&#9;'>\u00E9\U0001F3AE<\u00E9l\U00010000/></r>",  // names and text beyond the BMP
        u"<r><!----></r>",
    };
    for (const std::u16string& text : texts) EXPECT_EQ(Problem(text), "") << Shown(text);
}

TEST(XmlWellFormedTest, EachFaultIsNamedWithItsOffset) {
    const struct {
        std::u16string text;
        std::string message;
    } cases[] = {
        {u"<r a=b/>", "Value of attribute 'a' not in quotes at offset 5"},
        {u"<r/>x", "Text after the root element at offset 4"},
        {u"x<r/>", "Text before the root element at offset 0"},
        {u"<r/><s/>", "Element after the root element at offset 4"},
        {u"<r>a\u001Bb</r>", "Character U+001B at offset 4 is not allowed in XML"},
        {u"<r>\uFFFE</r>", "Character U+FFFE at offset 3 is not allowed in XML"},
        {u"<r>a\xD800</r>", "Character U+D800 at offset 4 is not allowed in XML"},
        {u"<r a='1' b='2' a='3'/>", "Duplicate attribute 'a' at offset 15"},
        {u"<r a='1'b='2'/>", "No white space before attribute 'b' at offset 8"},
        {u"<r a/>", "Attribute 'a' without a value at offset 3"},
        {u"<r a='<'/>", "'<' in an attribute value at offset 6"},
        {u"<r a='&bad;'/>", "Unknown entity '&bad;' at offset 6"},
        {u"<r>&#0;</r>", "Bad character reference '&#0;' at offset 3"},
        {u"<r>&#1;</r>", "Bad character reference '&#1;' at offset 3"},
        {u"<r>&#xD800;</r>", "Bad character reference '&#xD800;' at offset 3"},
        {u"<r>&#x110000;</r>", "Bad character reference '&#x110000;' at offset 3"},
        {u"<r>&#99999999999999999999;</r>", "Bad character reference '&#99999999999999...' at offset 3"},
        {u"<r>&#X41;</r>", "Bad character reference '&#X41;' at offset 3"},
        {u"<r>&#65 </r>", "Bad character reference '&#65' at offset 3"},
        {u"<r>&#;</r>", "Bad character reference '&#;' at offset 3"},
        {u"<r>a & b</r>", "'&' at offset 5 starts no reference (write &amp;)"},
        {u"<r>a < b</r>", "'<' at offset 5 starts no tag (write &lt;)"},
        {u"<r>]]></r>", "']]>' in text at offset 3"},
        {u"<r><!-- a -- b --></r>", "'--' inside a comment at offset 10"},
        {u"<![CDATA[x]]><r/>", "CDATA section outside the root element at offset 0"},
        {u"<r/><?xml version='1.0'?>", "XML declaration not at the start of the file at offset 4"},
        {u"<?xml version=1.0?><r/>", "Value of attribute 'version' not in quotes at offset 14"},
        {u"<r><a></b></r>", "End tag 'b' at offset 6 does not match start tag 'a' at offset 3"},
        {u"<r></r></r>", "End tag 'r' at offset 7 without a start tag"},
        {u"<r><a>", "Element 'a' at offset 3 not ended"},
        {u"<r/><!DOCTYPE r>", "Document type declaration out of place at offset 4"},
        {u"", "No root element at offset 0"},
        {u"  ", "No root element at offset 2"},
    };
    for (const auto& c : cases) EXPECT_EQ(Problem(c.text), c.message) << Shown(c.text);
}

// What the program's reader calls malformed, the strict pass calls malformed too.
TEST(XmlWellFormedTest, FindsEveryProblemTheReaderFinds) {
    const std::u16string texts[] = {
        u"", u"just text", u"<a/><b/>", u"<r></x></r>", u"<r><a><b></r>", u"<r><a>", u"<r><!-- x",
        u"<r><![CDATA[x", u"<r><?pi x", u"<!DOCTYPE r [<!ENTITY a 'b'>", u"<r a='1", u"<r></r", u"<r><",
        u"<r><![CDA", u"<r>< a</r>", u"<r><!x></r>", u"<r><!-x></r>", u"<r></r junk>", u"<r><a <b/></r>",
        u"<r></x><a>",
    };
    for (const std::u16string& text : texts) {
        ASSERT_FALSE(BuildXmlIndex(text).error.empty()) << Shown(text);
        EXPECT_NE(Problem(text), "") << Shown(text);
    }
}

// One scan that stops at the first fault: a character later in the text does not hide it.
TEST(XmlWellFormedTest, TheFirstFaultInTheTextIsNamed) {
    EXPECT_EQ(Problem(u"<r a=b>\u001B</r>"), "Value of attribute 'a' not in quotes at offset 5");
    EXPECT_EQ(Problem(u"<r>\u001B<a b=c/></r>"), "Character U+001B at offset 3 is not allowed in XML");
}

}  // namespace
}  // namespace oryn7px
