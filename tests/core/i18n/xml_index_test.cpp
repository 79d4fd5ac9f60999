#include "core/i18n/xml_index.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(XmlIndexTest, FirstProblemIsRecorded) {
    const struct {
        std::u16string text;
        std::string error;
    } cases[] = {
        {u"<r><a>x</a><b/></r>", ""},
        {u"<?xml version='1.0'?><!-- c --><!DOCTYPE r [<!ENTITY a '>'>]><r a=\"x>y\"><![CDATA[<no>]]></r>", ""},
        {u"", "Empty document"},
        {u"just text", "No root element"},
        {u"<a/><b/>", "Root element has sibling"},
        {u"<r></x></r>", "No start tag for end tag 'x' at offset 3"},
        {u"<r><a><b></r>", "End tag 'r' at offset 9 does not match start tag 'b' at offset 6"},
        {u"<r><a>", "Element 'a' at offset 3 not ended"},
        {u"<r><!-- x", "Comment at offset 3 unterminated"},
        {u"<r><![CDATA[x", "CDATA Section at offset 3 unterminated"},
        {u"<r><?pi x", "Processing instruction at offset 3 unterminated"},
        {u"<!DOCTYPE r [<!ENTITY a 'b'>", "Doctype at offset 0 unterminated"},
        {u"<r a='1", "Element tag at offset 0 unterminated"},
        {u"<r></r", "Element end tag at offset 3 unterminated"},
        {u"<r><", "tag at offset 3 unterminated"},
        {u"<r><![CDA", "tag at offset 3 unterminated"},
        {u"<r>< a</r>", "Incorrect tag name character at offset 3"},
        {u"<r><!x></r>", "Incorrect ! tag at offset 3"},
        {u"<r><!-x></r>", "Incorrect comment tag at offset 3"},
        {u"<r></r junk>", "Incorrect tag at offset 3"},
        {u"<r><a <b/></r>", "Incorrect tag at offset 3"},
        {u"<r></x><a>", "No start tag for end tag 'x' at offset 3"},
    };
    for (const auto& c : cases) EXPECT_EQ(BuildXmlIndex(c.text).error, c.error) << std::string(c.text.begin(), c.text.end());
}

TEST(XmlIndexTest, LinksParentsChildrenAndSiblings) {
    const std::u16string text = u"<r><a/><b>t</b><c><d></d></c></r>";
    const XmlIndex index = BuildXmlIndex(text);
    ASSERT_EQ(index.elements.size(), 6u);  // document, r, a, b, c, d
    const auto& e = index.elements;
    EXPECT_EQ(e[0].firstChild, 1u);
    EXPECT_EQ(e[1].firstChild, 2u);
    EXPECT_EQ(e[2].nextSibling, 3u);
    EXPECT_EQ(e[3].prevSibling, 2u);
    EXPECT_EQ(e[3].nextSibling, 4u);
    EXPECT_EQ(e[4].nextSibling, 0u);
    EXPECT_EQ(e[5].parent, 4u);
    EXPECT_EQ(e[2].flags, kElementEmptyTag);
    EXPECT_EQ(e[3].start, 7u);
    EXPECT_EQ(e[3].length, 8u);
    EXPECT_EQ(e[3].startTagLength, 3u);
    EXPECT_EQ(e[3].endTagLength, 4u);
    EXPECT_EQ(e[1].length, text.size());
    EXPECT_EQ(ElementName(text, e[4]), u"c");
}

TEST(XmlIndexTest, UnendedElementsCloseAtTheOuterEndTag) {
    const std::u16string text = u"<r><a><b>x</r>";
    const XmlIndex index = BuildXmlIndex(text);
    ASSERT_EQ(index.elements.size(), 4u);
    const auto& e = index.elements;
    EXPECT_EQ(e[1].flags, 0u);
    EXPECT_EQ(e[1].length, text.size());
    EXPECT_EQ(e[2].flags, kElementNotEnded);
    EXPECT_EQ(e[2].length, 7u);  // up to "</r>"
    EXPECT_EQ(e[3].flags, kElementNotEnded);
    EXPECT_EQ(e[3].parent, 2u);
}

// Same-named elements nest: an end tag closes the innermost open one of its name, and the
// elements opened inside it end unended.
TEST(XmlIndexTest, EndTagsFindTheInnermostOpenElementOfTheirName) {
    const std::u16string text = u"<r><a><b><a><c></a></b><d></x></d></a></r>";
    const XmlIndex index = BuildXmlIndex(text);
    ASSERT_EQ(index.elements.size(), 7u);  // document, r, a, b, a, c, d
    const auto& e = index.elements;
    EXPECT_EQ(e[4].parent, 3u);
    EXPECT_EQ(e[4].flags, 0u);                // the inner a takes the first </a>
    EXPECT_EQ(e[5].flags, kElementNotEnded);  // c, closed by it
    EXPECT_EQ(e[3].flags, 0u);                // b ends normally
    EXPECT_EQ(e[6].parent, 2u);               // d is the outer a's child
    EXPECT_EQ(e[2].flags, 0u);
    EXPECT_EQ(e[2].length, text.size() - 7);  // through the second </a>
    EXPECT_EQ(index.error, "End tag 'a' at offset 15 does not match start tag 'c' at offset 12");
}

// The pathological shape (a deep nest under a stream of end tags that match nothing) keeps its
// structure; its time is measured by the XML benchmark.
TEST(XmlIndexTest, DeepNestUnderStrayEndTags) {
    constexpr int kDepth = 5000;
    std::u16string text = u"<r>";
    for (int i = 0; i < kDepth; ++i) text += u"<a>";
    for (int i = 0; i < kDepth; ++i) text += u"</b>";
    text += u"</r>";
    const XmlIndex index = BuildXmlIndex(text);
    ASSERT_EQ(index.elements.size(), kDepth + 2u);
    EXPECT_EQ(index.error, "No start tag for end tag 'b' at offset " + std::to_string(3 + 3 * kDepth));
    EXPECT_EQ(index.elements[kDepth + 1].parent, static_cast<uint32_t>(kDepth));
    EXPECT_EQ(index.elements[kDepth + 1].flags, kElementNotEnded);
    EXPECT_EQ(index.elements[1].length, text.size());
}

// Memory stays bounded whatever the text: past a million elements the scan stops and says so.
TEST(XmlIndexTest, IndexesAtMostAMillionElements) {
    constexpr std::size_t kMaxElements = std::size_t{1} << 20;
    std::u16string text = u"<r>";
    for (std::size_t i = 0; i < kMaxElements + 100; ++i) text += u"<a/>";
    text += u"</r>";
    const XmlIndex index = BuildXmlIndex(text);
    EXPECT_LE(index.elements.size(), kMaxElements + 1);
    EXPECT_EQ(index.error.rfind("Too many elements at offset ", 0), 0u) << index.error;
    EXPECT_EQ(index.elements[1].flags, kElementNotEnded);
}

TEST(XmlIndexTest, NamesEndAtDelimiters) {
    const std::u16string text = u"<str_ok attr='1'><a/><b\t/><c;x/></str_ok>";
    const XmlIndex index = BuildXmlIndex(text);
    ASSERT_EQ(index.elements.size(), 5u);
    EXPECT_EQ(ElementName(text, index.elements[1]), u"str_ok");
    EXPECT_EQ(ElementName(text, index.elements[2]), u"a");
    EXPECT_EQ(ElementName(text, index.elements[3]), u"b");
    EXPECT_EQ(ElementName(text, index.elements[4]), u"c");
}

}  // namespace
}  // namespace oryn7px
