#include "platform/linux/iconv_code_page_converter.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/i18n/charset_names.h"

namespace oryn7px {

namespace {

std::string IconvName(uint32_t codePage) {
    if (codePage >= 28591 && codePage <= 28606) return "ISO-8859-" + std::to_string(codePage - 28590);
    if ((codePage >= 1250 && codePage <= 1258) || codePage == 874 || codePage == 866 || codePage == 932 ||
        codePage == 936 || codePage == 949 || codePage == 950) {
        return "CP" + std::to_string(codePage);
    }
    switch (codePage) {
        case kCodePageUtf8: return "UTF-8";
        case kCodePageUtf16Le: return "UTF-16LE";
        case kCodePageUtf16Be: return "UTF-16BE";
        case 20127: return "ASCII";
        case 20866: return "KOI8-R";
        case 21866: return "KOI8-U";
        case 51932: return "EUC-JP";
        case 54936: return "GB18030";
        default: return {};
    }
}

class IconvHandle {
public:
    explicit IconvHandle(const std::string& from) : handle_(iconv_open("UTF-16LE", from.c_str())) {}
    ~IconvHandle() {
        if (valid()) iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

// A locale's character set written the way glibc normalises it ("iso88591", "koi8r", "euckr").
uint32_t CodePageForLocaleCodeset(std::string codeset) {
    std::string compact;
    for (char c : codeset) {
        if (c == '-' || c == '_') continue;
        compact += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
    if (compact.starts_with("iso8859") && compact.size() > 7) {
        const int part = std::atoi(compact.c_str() + 7);
        if (part >= 1 && part <= 16) return static_cast<uint32_t>(28590 + part);
    }
    struct Alias {
        const char* name;
        uint32_t codePage;
    };
    static constexpr std::array<Alias, 12> kAliases = {{
        {"koi8r", 20866}, {"koi8u", 21866}, {"euckr", 949}, {"eucjp", 51932}, {"gb2312", 936},
        {"gbk", 936}, {"gb18030", 54936}, {"big5", 950}, {"big5hkscs", 950}, {"sjis", 932},
        {"shiftjis", 932}, {"tis620", 874},
    }};
    for (const Alias& alias : kAliases) {
        if (compact == alias.name) return alias.codePage;
    }
    if ((compact.starts_with("cp125") || compact.starts_with("windows125")) && compact.back() >= '0' &&
        compact.back() <= '8' && (compact.size() == 6 || compact.size() == 11)) {
        return static_cast<uint32_t>(1250 + (compact.back() - '0'));
    }
    return 0;
}

uint32_t CodePageForLanguage(std::string_view language, std::string_view territory) {
    if (language == "zh") return territory == "TW" || territory == "HK" || territory == "MO" ? 950 : 936;
    struct LanguagePage {
        std::string_view language;
        uint32_t codePage;
    };
    static constexpr std::array<LanguagePage, 27> kPages = {{
        {"ja", 932}, {"ko", 949}, {"th", 874}, {"vi", 1258}, {"el", 1253}, {"tr", 1254}, {"az", 1254},
        {"he", 1255}, {"ar", 1256}, {"fa", 1256}, {"ur", 1256}, {"lt", 1257}, {"lv", 1257}, {"et", 1257},
        {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"mk", 1251}, {"sr", 1251}, {"kk", 1251},
        {"pl", 1250}, {"cs", 1250}, {"sk", 1250}, {"hu", 1250}, {"hr", 1250}, {"sl", 1250},
    }};
    for (const LanguagePage& page : kPages) {
        if (page.language == language) return page.codePage;
    }
    if (language == "ro" || language == "sq" || language == "bs") return 1250;
    return kCodePageWindows1252;
}

std::string ProcessCtypeLocale() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

}  // namespace

uint32_t AnsiCodePageForLocale(std::string_view locale) {
    const std::string_view withoutModifier = locale.substr(0, locale.find('@'));
    const std::size_t dot = withoutModifier.find('.');
    const std::string_view name = withoutModifier.substr(0, dot);
    if (dot != std::string_view::npos) {
        const uint32_t codePage = CodePageForLocaleCodeset(std::string(withoutModifier.substr(dot + 1)));
        if (codePage != 0) return codePage;
    }
    const std::size_t underscore = name.find('_');
    const std::string_view language = name.substr(0, underscore);
    const std::string_view territory = underscore == std::string_view::npos ? std::string_view() : name.substr(underscore + 1);
    return CodePageForLanguage(language, territory);
}

IconvCodePageConverter::IconvCodePageConverter() : ansiCodePage_(AnsiCodePageForLocale(ProcessCtypeLocale())) {}

std::optional<std::u16string> IconvCodePageConverter::ToUtf16(uint32_t codePage, std::string_view bytes) const {
    const std::string name = IconvName(codePage);
    if (name.empty()) return std::nullopt;
    IconvHandle converter(name);
    if (!converter.valid()) return std::nullopt;

    std::u16string out;
    std::array<char16_t, 4096> buffer;
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(buffer.data());
        std::size_t outLeft = sizeof(buffer);
        const std::size_t result = iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), (sizeof(buffer) - outLeft) / sizeof(char16_t));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // An invalid or cut-off sequence: one replacement character, then go on after the byte.
        out += u'\uFFFD';
        ++in;
        --inLeft;
        iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

}  // namespace oryn7px
