#include "core/i18n/charset_names.h"

#include <algorithm>
#include <array>

namespace oryn7px {

namespace {

struct CharsetName {
    std::string_view name;  // lower case
    uint32_t codePage;
};

constexpr std::array<CharsetName, 62> kCharsets = {{
    {"utf-8", 65001},
    {"utf8", 65001},
    {"utf-16", kCodePageUtf16Le},
    {"utf-16le", kCodePageUtf16Le},
    {"utf-16be", kCodePageUtf16Be},
    {"us-ascii", 20127},
    {"ascii", 20127},
    {"gb2312", 936},
    {"gbk", 936},
    {"cp936", 936},
    {"x-gbk", 936},
    {"gb18030", 54936},
    {"big5", 950},
    {"big5-hkscs", 950},
    {"cp950", 950},
    {"shift_jis", 932},
    {"shift-jis", 932},
    {"sjis", 932},
    {"x-sjis", 932},
    {"windows-31j", 932},
    {"cp932", 932},
    {"euc-jp", 51932},
    {"euc-kr", 949},
    {"ks_c_5601-1987", 949},
    {"cp949", 949},
    {"uhc", 949},
    {"koi8-r", 20866},
    {"koi8-u", 21866},
    {"ibm866", 866},
    {"cp866", 866},
    {"windows-874", 874},
    {"tis-620", 874},
    {"windows-1250", 1250},
    {"windows-1251", 1251},
    {"windows-1252", 1252},
    {"windows-1253", 1253},
    {"windows-1254", 1254},
    {"windows-1255", 1255},
    {"windows-1256", 1256},
    {"windows-1257", 1257},
    {"windows-1258", 1258},
    {"cp1250", 1250},
    {"cp1251", 1251},
    {"cp1252", 1252},
    {"cp1253", 1253},
    {"cp1254", 1254},
    {"iso-8859-1", 28591},
    {"latin1", 28591},
    {"iso-8859-2", 28592},
    {"iso-8859-3", 28593},
    {"iso-8859-4", 28594},
    {"iso-8859-5", 28595},
    {"iso-8859-6", 28596},
    {"iso-8859-7", 28597},
    {"iso-8859-8", 28598},
    {"iso-8859-9", 28599},
    {"iso-8859-10", 28600},
    {"iso-8859-11", 874},
    {"iso-8859-13", 28603},
    {"iso-8859-14", 28604},
    {"iso-8859-15", 28605},
    {"iso-8859-16", 28606},
}};

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCase) {
    return text.size() == lowerCase.size() &&
           std::equal(text.begin(), text.end(), lowerCase.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a + 32) : a) == b;
           });
}

}  // namespace

uint32_t CodePageForCharset(std::string_view name) {
    for (const CharsetName& charset : kCharsets) {
        if (EqualsIgnoringCase(name, charset.name)) return charset.codePage;
    }
    return 0;
}

}  // namespace oryn7px
