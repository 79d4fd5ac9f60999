#include "core/i18n/xml_well_formed.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "core/base/utf16.h"
#include "core/i18n/xml_doctype.h"
#include "core/i18n/xml_references.h"

namespace oryn7px {

namespace {

constexpr std::size_t kNone = std::u16string_view::npos;
// A reference is quoted in a message up to this many units.
constexpr std::size_t kQuotedReferenceLength = 16;

bool IsSpace(char32_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool IsXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

bool IsNameStartChar(char32_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u':' || c == u'_' ||
           (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
           (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(char32_t c) {
    return IsNameStartChar(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The code point at i and the units it takes; an unpaired surrogate stands for itself.
char32_t CodePointAt(std::u16string_view text, std::size_t i, std::size_t& units) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        units = 2;
        return 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00);
    }
    units = 1;
    return text[i];
}

int DigitValue(char16_t c, bool hex) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (hex && c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (hex && c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

std::string Quoted(std::u16string_view text) { return "'" + Utf16ToUtf8(text) + "'"; }

std::string HexCodePoint(char32_t c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (int shift = c > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4) hex += kDigits[(c >> shift) & 0xF];
    return "U+" + hex;
}

std::optional<XmlProblem> FirstDisallowedCharacter(std::u16string_view text) {
    std::size_t units = 1;
    for (std::size_t i = 0; i < text.size(); i += units) {
        const char32_t c = CodePointAt(text, i, units);
        if (!IsXmlChar(c)) return XmlProblem{i, "Character " + HexCodePoint(c) + " at offset " + std::to_string(i) + " is not allowed in XML"};
    }
    return std::nullopt;
}

// One pass over the markup that stops at the first problem. Scan functions return where the
// scan goes on, or kNone once a problem is recorded.
class Scanner {
public:
    explicit Scanner(std::u16string_view text) : text_(text) {}

    std::optional<XmlProblem> Run() {
        const bool declared = text_.starts_with(u"<?xml") && text_.size() > 5 && IsSpace(text_[5]);
        std::size_t i = declared ? ScanAttributes(5, 0, Tag::kDeclaration) : 0;
        while (i < text_.size()) i = text_[i] == u'<' ? ScanMarkup(i) : ScanText(i);
        if (problem_) return problem_;
        if (!open_.empty()) {
            const OpenElement& inner = open_.back();
            Fail("Element " + Quoted(NameOf(inner)), inner.start, " not ended");
        } else if (!rootSeen_) {
            Fail("No root element", text_.size());
        }
        return problem_;
    }

private:
    enum class Tag { kStart, kDeclaration };

    struct OpenElement {
        std::size_t start;
        std::size_t nameLength;
    };

    std::size_t ScanMarkup(std::size_t lt) {
        const std::u16string_view rest = text_.substr(lt);
        if (rest.starts_with(u"<!--")) return ScanComment(lt);
        if (rest.starts_with(u"<![CDATA[")) return ScanCData(lt);
        if (rest.starts_with(u"<!DOCTYPE")) return ScanDoctype(lt);
        if (rest.starts_with(u"<!")) return Fail("Incorrect markup '<!'", lt);
        if (rest.starts_with(u"<?")) return ScanProcessingInstruction(lt);
        if (rest.starts_with(u"</")) return ScanEndTag(lt);
        return ScanStartTag(lt);
    }

    // Character data up to the next "<": only white space outside the root element.
    std::size_t ScanText(std::size_t i) {
        const std::size_t end = std::min(text_.find(u'<', i), text_.size());
        while (i < end) {
            if (open_.empty() && !IsSpace(text_[i])) {
                return Fail(rootSeen_ ? "Text after the root element" : "Text before the root element", i);
            }
            if (text_[i] == u'&') {
                i = ScanReference(i);
                if (i == kNone) return kNone;
            } else if (text_.substr(i, 3) == u"]]>") {
                return Fail("']]>' in text", i);
            } else {
                ++i;
            }
        }
        return end;
    }

    std::size_t ScanReference(std::size_t amp) {
        if (amp + 1 < text_.size() && text_[amp + 1] == u'#') return ScanCharacterReference(amp);
        const std::size_t nameEnd = NameEnd(amp + 1);
        if (nameEnd == amp + 1 || nameEnd >= text_.size() || text_[nameEnd] != u';') {
            return Fail("'&'", amp, " starts no reference (write &amp;)");
        }
        const std::u16string_view reference = text_.substr(amp, nameEnd + 1 - amp);
        // The reader leaves a name it does not know as written.
        if (DecodeReferences(reference) == reference) return Fail("Unknown entity " + QuotedReference(amp), amp);
        return nameEnd + 1;
    }

    std::size_t ScanCharacterReference(std::size_t amp) {
        std::size_t i = amp + 2;
        const bool hex = i < text_.size() && text_[i] == u'x';
        if (hex) ++i;
        const std::size_t digits = i;
        char32_t value = 0;
        for (; i < text_.size() && DigitValue(text_[i], hex) >= 0; ++i) {
            // Saturates past the last code point, so any number of digits stays in range.
            value = std::min<char32_t>(value * (hex ? 16 : 10) + static_cast<char32_t>(DigitValue(text_[i], hex)), 0x110000);
        }
        const bool ended = i < text_.size() && text_[i] == u';';
        if (i == digits || !ended || !IsXmlChar(value)) {
            return Fail("Bad character reference " + QuotedReference(amp), amp);
        }
        return i + 1;
    }

    std::size_t ScanComment(std::size_t lt) {
        const std::size_t end = text_.find(u"-->", lt + 4);
        if (end == kNone) return Fail("Comment not ended", lt);
        const std::size_t dashes = text_.find(u"--", lt + 4);
        if (dashes < end) return Fail("'--' inside a comment", dashes);
        return end + 3;
    }

    std::size_t ScanCData(std::size_t lt) {
        if (open_.empty()) return Fail("CDATA section outside the root element", lt);
        const std::size_t end = text_.find(u"]]>", lt + 9);
        if (end == kNone) return Fail("CDATA section not ended", lt);
        return end + 3;
    }

    // Skipped as the reader skips it: quoted strings and the internal subset may hold ">".
    std::size_t ScanDoctype(std::size_t lt) {
        if (rootSeen_ || doctypeSeen_) return Fail("Document type declaration out of place", lt);
        doctypeSeen_ = true;
        const std::size_t end = DoctypeEnd(text_, lt);
        return end == kNone ? Fail("Document type declaration not ended", lt) : end;
    }

    std::size_t ScanProcessingInstruction(std::size_t lt) {
        const std::size_t targetEnd = NameEnd(lt + 2);
        if (targetEnd == lt + 2) return Fail("Processing instruction without a target", lt);
        if (IsXmlTarget(text_.substr(lt + 2, targetEnd - lt - 2))) {
            return Fail("XML declaration not at the start of the file", lt);
        }
        const std::size_t end = text_.find(u"?>", targetEnd);
        if (end == kNone) return Fail("Processing instruction not ended", lt);
        if (end != targetEnd && !IsSpace(text_[targetEnd])) return Fail("Incorrect character after the target", targetEnd);
        return end + 2;
    }

    std::size_t ScanStartTag(std::size_t lt) {
        const std::size_t nameEnd = NameEnd(lt + 1);
        if (nameEnd == lt + 1) return Fail("'<'", lt, " starts no tag (write &lt;)");
        if (rootSeen_ && open_.empty()) return Fail("Element after the root element", lt);
        const std::size_t end = ScanAttributes(nameEnd, lt, Tag::kStart);
        if (end == kNone) return kNone;
        rootSeen_ = true;
        const bool emptyTag = text_[end - 2] == u'/';  // a tag ends with ">" after a quote, a name or space
        if (!emptyTag) open_.push_back({lt, nameEnd - lt - 1});
        return end;
    }

    std::size_t ScanEndTag(std::size_t lt) {
        const std::size_t nameEnd = NameEnd(lt + 2);
        if (nameEnd == lt + 2) return Fail("End tag without a name", lt);
        const std::size_t close = SkipSpace(nameEnd);
        if (close >= text_.size()) return Fail("End tag not ended", lt);
        if (text_[close] != u'>') return Fail("Incorrect character in end tag", close);
        const std::u16string_view name = text_.substr(lt + 2, nameEnd - lt - 2);
        if (open_.empty()) return Fail("End tag " + Quoted(name), lt, " without a start tag");
        const OpenElement& inner = open_.back();
        if (NameOf(inner) != name) {
            return Fail("End tag " + Quoted(name), lt,
                        " does not match start tag " + Quoted(NameOf(inner)) + " at offset " + std::to_string(inner.start));
        }
        open_.pop_back();
        return close + 1;
    }

    // The attributes from i to the end of the tag (">" or "/>"; "?>" for the XML declaration);
    // returns the offset after the tag.
    std::size_t ScanAttributes(std::size_t i, std::size_t tagStart, Tag tag) {
        const std::u16string_view close = tag == Tag::kDeclaration ? u"?>" : u">";
        attributeNames_.clear();
        while (true) {
            const std::size_t at = SkipSpace(i);
            if (at >= text_.size()) return Fail(tag == Tag::kDeclaration ? "XML declaration not ended" : "Tag not ended", tagStart);
            const std::u16string_view rest = text_.substr(at);
            if (rest.starts_with(close)) return at + close.size();
            if (tag == Tag::kStart && rest.starts_with(u"/>")) return at + 2;
            const std::size_t nameEnd = NameEnd(at);
            if (nameEnd == at) return Fail("Incorrect character in tag", at);
            const std::u16string_view name = text_.substr(at, nameEnd - at);
            if (at == i) return Fail("No white space before attribute " + Quoted(name), at);
            if (!attributeNames_.insert(name).second) return Fail("Duplicate attribute " + Quoted(name), at);
            const std::size_t equals = SkipSpace(nameEnd);
            if (equals >= text_.size() || text_[equals] != u'=') return Fail("Attribute " + Quoted(name) + " without a value", at);
            const std::size_t quote = SkipSpace(equals + 1);
            if (quote >= text_.size() || (text_[quote] != u'"' && text_[quote] != u'\'')) {
                return Fail("Value of attribute " + Quoted(name) + " not in quotes", quote);
            }
            i = ScanAttributeValue(quote);
            if (i == kNone) return kNone;
        }
    }

    std::size_t ScanAttributeValue(std::size_t quote) {
        std::size_t i = quote + 1;
        while (i < text_.size() && text_[i] != text_[quote]) {
            if (text_[i] == u'<') return Fail("'<' in an attribute value", i);
            i = text_[i] == u'&' ? ScanReference(i) : i + 1;
            if (i == kNone) return kNone;
        }
        if (i >= text_.size()) return Fail("Attribute value not ended", quote);
        return i + 1;
    }

    // The end of the XML name that starts at i; i itself when none does.
    std::size_t NameEnd(std::size_t i) const {
        std::size_t end = i;
        std::size_t units = 1;
        while (end < text_.size()) {
            const char32_t c = CodePointAt(text_, end, units);
            if (end == i ? !IsNameStartChar(c) : !IsNameChar(c)) break;
            end += units;
        }
        return end;
    }

    std::size_t SkipSpace(std::size_t i) const {
        while (i < text_.size() && IsSpace(text_[i])) ++i;
        return i;
    }

    static bool IsXmlTarget(std::u16string_view target) {
        return target.size() == 3 && (target[0] | 0x20) == u'x' && (target[1] | 0x20) == u'm' &&
               (target[2] | 0x20) == u'l';
    }

    std::u16string_view NameOf(const OpenElement& element) const {
        return text_.substr(element.start + 1, element.nameLength);
    }

    // The reference at amp as written: through its ";", or up to where markup or space starts.
    std::string QuotedReference(std::size_t amp) const {
        std::size_t end = amp + 1;
        while (end < text_.size() && end - amp < kQuotedReferenceLength && !IsReferenceStop(text_[end])) ++end;
        if (end < text_.size() && text_[end] == u';') ++end;
        const bool cut = end - amp == kQuotedReferenceLength && end < text_.size() && !IsReferenceStop(text_[end]);
        return "'" + Utf16ToUtf8(text_.substr(amp, end - amp)) + (cut ? "...'" : "'");
    }

    static bool IsReferenceStop(char16_t c) {
        return c == u';' || c == u'<' || c == u'&' || c == u'"' || c == u'\'' || IsSpace(c);
    }

    // Records "<what> at offset <offset><after>".
    std::size_t Fail(const std::string& what, std::size_t offset, const std::string& after = {}) {
        problem_ = XmlProblem{offset, what + " at offset " + std::to_string(offset) + after};
        return kNone;
    }

    std::u16string_view text_;
    std::vector<OpenElement> open_;  // outermost first
    std::unordered_set<std::u16string_view> attributeNames_;  // of the tag being scanned
    bool rootSeen_ = false;
    bool doctypeSeen_ = false;
    std::optional<XmlProblem> problem_;
};

}  // namespace

std::optional<XmlProblem> FirstWellFormednessProblem(std::u16string_view text) {
    std::optional<XmlProblem> character = FirstDisallowedCharacter(text);
    std::optional<XmlProblem> markup = Scanner(text).Run();
    if (character && (!markup || character->offset <= markup->offset)) return character;
    return markup;
}

}  // namespace oryn7px
