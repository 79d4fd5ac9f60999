#include "platform/linux/iconv_code_page_converter.h"

#include <gtest/gtest.h>

#include "core/i18n/charset_names.h"
#include "core/i18n/xml_doc.h"

namespace oryn7px {
namespace {

TEST(IconvCodePageConverterTest, DecodesTheLegacyCharsets) {
    const IconvCodePageConverter converter(kCodePageWindows1252);
    const struct {
        std::string charset;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"GB2312", "\xC4\xE3\xBA\xC3", u"你好"},
        {"GBK", "\xD3\xA6\xD3\xC3", u"应用"},
        {"Big5", "\xA7\x41\xA6\x6E", u"你好"},
        {"Shift_JIS", "\x82\xA0\x83\x41", u"あア"},
        {"EUC-KR", "\xC0\xFB\xBF\xEB", u"적용"},
        {"KOI8-R", "\xD0\xD2\xC9\xCD\xC5\xCE\xC9\xD4\xD8", u"применить"},
        {"windows-1251", "\xEF\xF0\xE8", u"при"},
        {"windows-1252", "caf\xE9 \x80", u"café €"},
        {"windows-1250", "\xB9", u"ą"},
        {"ISO-8859-1", "\xE9", u"é"},
        {"ISO-8859-2", "\xB1", u"ą"},
        {"ISO-8859-5", "\xD4", u"д"},
        {"ISO-8859-15", "\xA4", u"€"},
    };
    for (const auto& c : cases) {
        const auto text = converter.ToUtf16(CodePageForCharset(c.charset), c.bytes);
        ASSERT_TRUE(text.has_value()) << c.charset;
        EXPECT_EQ(*text, c.text) << c.charset;
    }
}

TEST(IconvCodePageConverterTest, BadBytesBecomeReplacementCharacters) {
    const IconvCodePageConverter converter(kCodePageWindows1252);
    EXPECT_EQ(converter.ToUtf16(936, "a\xFF" "b\xC4"), u"a\uFFFDb\uFFFD");
    EXPECT_EQ(converter.ToUtf16(4242, "a"), std::nullopt);
}

TEST(IconvCodePageConverterTest, LargeInputIsConvertedWhole) {
    const IconvCodePageConverter converter(kCodePageWindows1252);
    const std::string bytes(100000, '\xE9');
    const auto text = converter.ToUtf16(1252, bytes);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, std::u16string(100000, u'é'));
}

TEST(IconvCodePageConverterTest, AnsiCodePageFollowsTheLocale) {
    const struct {
        std::string locale;
        uint32_t codePage;
    } cases[] = {
        {"", 1252},           {"C", 1252},           {"POSIX", 1252},          {"C.UTF-8", 1252},
        {"en_US.UTF-8", 1252}, {"de_DE@euro", 1252}, {"zh_CN.UTF-8", 936},     {"zh_TW.UTF-8", 950},
        {"zh_HK", 950},       {"ja_JP.UTF-8", 932},  {"ko_KR.UTF-8", 949},     {"ru_RU.UTF-8", 1251},
        {"uk_UA", 1251},      {"pl_PL.UTF-8", 1250}, {"ru_RU.KOI8-R", 20866},  {"zh_CN.GB2312", 936},
        {"zh_CN.gbk", 936},   {"en_GB.ISO-8859-15", 28605}, {"de_DE.iso88591", 28591}, {"ko_KR.eucKR", 949},
        {"tr_TR.UTF-8", 1254}, {"el_GR", 1253},      {"fr_FR.CP1252", 1252},
    };
    for (const auto& c : cases) EXPECT_EQ(AnsiCodePageForLocale(c.locale), c.codePage) << c.locale;
}

TEST(IconvCodePageConverterTest, GbkDeclaredFileLoads) {
    const IconvCodePageConverter converter(kCodePageWindows1252);
    CXmlDoc doc(converter);
    EXPECT_TRUE(doc.LoadBytes("<?xml version=\"1.0\" encoding=\"gb2312\"?>\n"
                              "<lang><config><str_ok>\xD3\xA6\xD3\xC3</str_ok></config></lang>"));
    EXPECT_EQ(doc.GetSectionText("config", "str_ok"), u"应用");
    EXPECT_EQ(doc.LoadDescription().rfind("gb2312 length", 0), 0u) << doc.LoadDescription();
}

TEST(IconvCodePageConverterTest, EightBitFileWithoutDeclarationUsesAnsi) {
    const IconvCodePageConverter converter(1251);
    CXmlDoc doc(converter);
    doc.LoadBytes(" <lang><config><str_ok>\xCF\xF0\xE8\xEC\xE5\xED\xE8\xF2\xFC</str_ok></config></lang>");
    EXPECT_EQ(doc.GetSectionText("config", "str_ok"), u"Применить");
}

}  // namespace
}  // namespace oryn7px
