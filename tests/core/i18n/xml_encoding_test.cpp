#include "core/i18n/xml_encoding.h"

#include <gtest/gtest.h>

#include "core/base/utf16.h"
#include "core/i18n/charset_names.h"
#include "fake_converter.h"

namespace oryn7px {
namespace {

using testing::FakeConverter;

const std::string kSampleUtf8 = "<r><config><str_ok>Übernehmen €</str_ok></config></r>";
const std::u16string kSampleText = u"<r><config><str_ok>Übernehmen €</str_ok></config></r>";

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(XmlEncodingTest, ByteOrderMarksGiveTheSameText) {
    FakeConverter converter;
    const DecodedXml utf8 = DecodeXmlBytes("\xEF\xBB\xBF" + kSampleUtf8, converter);
    const DecodedXml little = DecodeXmlBytes(Utf16Bytes(kSampleText, false), converter);
    const DecodedXml big = DecodeXmlBytes(Utf16Bytes(kSampleText, true), converter);
    EXPECT_EQ(utf8.text, kSampleText);
    EXPECT_EQ(little.text, kSampleText);
    EXPECT_EQ(big.text, kSampleText);
    EXPECT_TRUE(utf8.byteOrderMark && !utf8.utf16 && !utf8.bigEndian);
    EXPECT_TRUE(little.byteOrderMark && little.utf16 && !little.bigEndian);
    EXPECT_TRUE(big.byteOrderMark && big.utf16 && big.bigEndian);
    EXPECT_EQ(utf8.description, "UTF-8 BOM + length " + std::to_string(kSampleUtf8.size()) + " to " +
                                    std::to_string(kSampleText.size()) + " wide chars");
    EXPECT_EQ(big.description, "UTF-16BE BOM + length " + std::to_string(kSampleText.size()) + " endian swap to " +
                                   std::to_string(kSampleText.size()) + " wide chars");
    EXPECT_TRUE(converter.requested.empty());
}

TEST(XmlEncodingTest, UndeclaredFileStartingWithTagIsUtf8) {
    FakeConverter converter;
    const DecodedXml decoded = DecodeXmlBytes(kSampleUtf8, converter);
    EXPECT_EQ(decoded.text, kSampleText);
    EXPECT_FALSE(decoded.byteOrderMark);
    EXPECT_EQ(decoded.description.rfind("UTF-8 length ", 0), 0u) << decoded.description;
}

TEST(XmlEncodingTest, UndeclaredFileUsesUtf8TestThenAnsi) {
    FakeConverter converter;
    const DecodedXml utf8 = DecodeXmlBytes("\n" + kSampleUtf8, converter);
    EXPECT_EQ(utf8.text, u"\n" + kSampleText);
    EXPECT_EQ(utf8.description, "ANSI length " + std::to_string(kSampleUtf8.size() + 1) +
                                    " (used UTF-8 detection) to " + std::to_string(kSampleText.size() + 1) +
                                    " wide chars");
    EXPECT_TRUE(converter.requested.empty());

    const DecodedXml ansi = DecodeXmlBytes("\n<r>caf\xE9 \x80</r>", converter);
    EXPECT_EQ(ansi.text, u"\n<r>caf\u00E9 \u0080</r>");
    EXPECT_EQ(ansi.description, "ANSI length 14 to 14 wide chars");
    EXPECT_EQ(converter.requested, std::vector<uint32_t>{kCodePageWindows1252});
}

TEST(XmlEncodingTest, DeclaredEncodingChoosesTheCodePage) {
    FakeConverter converter;
    const DecodedXml gbk = DecodeXmlBytes("<?xml version=\"1.0\" encoding=\"GBK\"?><r>\xC4\xE3</r>", converter);
    // The fake knows no GBK: the ANSI code page takes over and no byte is lost.
    EXPECT_EQ(converter.requested, (std::vector<uint32_t>{936, kCodePageWindows1252}));
    EXPECT_TRUE(gbk.text.ends_with(u"<r>\u00C4\u00E3</r>"));
    EXPECT_EQ(gbk.description.rfind("GBK length ", 0), 0u) << gbk.description;

    converter.requested.clear();
    DecodeXmlBytes("<?xml version='1.0' encoding='x-unknown'?><r/>", converter);
    EXPECT_EQ(converter.requested, std::vector<uint32_t>{kCodePageWindows1252});
}

TEST(XmlEncodingTest, BadUtf8SequencesBecomeReplacementCharacters) {
    FakeConverter converter;
    EXPECT_EQ(DecodeXmlBytes("<a>\xC3x\xE2\x82\xAC\xFF\xF0\x9F\x8E\xAE</a>", converter).text,
              u"<a>\uFFFDx€\uFFFD\U0001F3AE</a>");
}

TEST(XmlEncodingTest, SixteenBitEncodingDeclaredWithoutMarkIsIgnored) {
    FakeConverter converter;
    const DecodedXml decoded = DecodeXmlBytes("<?xml version=\"1.0\" encoding=\"UTF-16\"?><r>\xC3\xA9</r>", converter);
    EXPECT_TRUE(decoded.text.ends_with(u"<r>é</r>"));
}

TEST(XmlEncodingTest, ZeroBytesAndUnitsAreRemoved) {
    FakeConverter converter;
    const DecodedXml eightBit = DecodeXmlBytes(std::string("<a>x\0y\0\0</a>", 12), converter);
    EXPECT_EQ(eightBit.text, u"<a>xy</a>");
    EXPECT_EQ(eightBit.description, "UTF-8 length 12 (3 nulls removed) to 9 wide chars");

    const DecodedXml sixteen = DecodeXmlBytes(Utf16Bytes(std::u16string(u"<a>x\0y</a>", 10), false), converter);
    EXPECT_EQ(sixteen.text, u"<a>xy</a>");
    EXPECT_EQ(sixteen.description, "UTF-16LE BOM + length 10 (1 nulls removed) to 9 wide chars");
}

TEST(XmlEncodingTest, EmptyAndCutOffFiles) {
    FakeConverter converter;
    EXPECT_EQ(DecodeXmlBytes("", converter).description, "ANSI 0 length");
    EXPECT_EQ(DecodeXmlBytes("\xEF\xBB\xBF", converter).description, "UTF-8 BOM + 0 length");
    // A trailing odd byte of a 16-bit file is dropped, never read past.
    const DecodedXml odd = DecodeXmlBytes(std::string("\xFF\xFE<\0a\0>", 7), converter);
    EXPECT_EQ(odd.text, u"<a");
}

TEST(XmlEncodingTest, DeclaredEncodingCases) {
    const struct {
        std::string head;
        std::string encoding;
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"GB2312\"?>", "GB2312"},
        {"<?xml version='1.0' encoding = 'Big5' ?>", "Big5"},
        {"<?xml version=\"1.0\"?><encoding>x</encoding>", ""},
        {"<html><head><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\"></head>", "shift_jis"},
        {"<html><head><meta http-equiv=Content-Type content='text/html;charset=koi8-r'>", "koi8-r"},
        {"<html><head><meta name=\"x\" content=\"text/html; charset=koi8-r\"></head>", ""},
        {"<html><head></head><body><meta http-equiv=\"Content-Type\" content=\"charset=koi8-r\">", ""},
        {"<root/>", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DeclaredEncoding(c.head), c.encoding) << c.head;
}

TEST(XmlEncodingTest, Utf8Validity) {
    const struct {
        std::string bytes;
        bool valid;
    } cases[] = {
        {"plain", true},
        {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAE", true},
        {"\xC0\xAF", false},          // overlong
        {"\xED\xA0\x80", false},      // surrogate
        {"\xE2\x82", false},          // cut off
        {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
        {"\x80", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(XmlEncodingTest, CharsetNames) {
    const struct {
        std::string_view name;
        uint32_t codePage;
    } cases[] = {{"utf-8", 65001}, {"GB2312", 936}, {"gbk", 936}, {"BIG5", 950}, {"Shift_JIS", 932},
                 {"EUC-KR", 949}, {"KOI8-R", 20866}, {"windows-1251", 1251}, {"ISO-8859-2", 28592},
                 {"iso-8859-15", 28605}, {"UTF-16BE", kCodePageUtf16Be}, {"klingon", 0}, {"", 0}};
    for (const auto& c : cases) EXPECT_EQ(CodePageForCharset(c.name), c.codePage) << c.name;
}

}  // namespace
}  // namespace oryn7px
