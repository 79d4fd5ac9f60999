#include "core/base/utf16.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(Utf16, RoundTripsBmpAndSupplementaryCharacters) {
    const std::string text = "Click 单击 \xF0\x9F\x8E\xAE";  // includes U+1F3AE
    const std::u16string wide = Utf8ToUtf16(text);
    EXPECT_EQ(wide.size(), 6u + 2u + 1u + 2u);
    EXPECT_EQ(Utf16ToUtf8(wide), text);
}

TEST(Utf16, InvalidInputBecomesReplacementWithoutOverrun) {
    struct Case { std::string utf8; std::u16string expected; };
    const Case cases[] = {
        {"\xC3", u"\uFFFD"},                 // truncated sequence at the end
        {"a\xFF" "b", u"a\uFFFDb"},          // invalid lead byte
        {"\xC0\xAF", u"\uFFFD"},             // overlong form
        {"\xED\xA0\x80", u"\uFFFD"},         // encoded surrogate
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.expected) << c.utf8;
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(Utf16, FixedBuffersAreAlwaysTerminatedAndBounded) {
    char16_t buffer[4];
    SetFixedText(buffer, u"abcdef");
    EXPECT_EQ(FixedText(buffer), u"abc");
    EXPECT_EQ(buffer[3], u'\0');

    char16_t pair[3];
    SetFixedText(pair, u"a\U0001F3AE");  // the pair would not fit whole
    EXPECT_EQ(FixedText(pair), u"a");

    const char16_t unterminated[3] = {u'x', u'y', u'z'};
    EXPECT_EQ(FixedText(unterminated), u"xyz");
}

TEST(Utf16, FormatSReplacesOnlyTheFirstPlaceholder) {
    EXPECT_EQ(FormatS(u"%s export success!", u"C:/a.cfg"), u"C:/a.cfg export success!");
    EXPECT_EQ(FormatS(u"%s and %s", u"x"), u"x and %s");
    EXPECT_EQ(FormatS(u"no placeholder", u"x"), u"no placeholder");
}

TEST(Utf16, FirstInvalidUtf8NamesTheByteThatStartsTheBadSequence) {
    const struct {
        std::string bytes;
        std::optional<std::size_t> offset;
    } cases[] = {
        {"plain \xC3\xA9\xF0\x9F\x8E\xAE", std::nullopt},
        {"ab\xFF", 2},
        {"a\xC3\xA9\xC0\xAF", 3},  // overlong after a good sequence
        {"\xE2\x82", 0},           // cut off
        {"ab\xED\xA0\x80", 2},    // surrogate
    };
    for (const auto& c : cases) EXPECT_EQ(FirstInvalidUtf8(c.bytes), c.offset) << c.bytes;
}

}  // namespace
}  // namespace oryn7px
