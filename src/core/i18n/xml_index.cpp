#include "core/i18n/xml_index.h"

#include <unordered_map>

#include "core/base/utf16.h"
#include "core/i18n/xml_doctype.h"

namespace oryn7px {

namespace {

constexpr std::size_t kNone = std::u16string_view::npos;
// A language file has about 120 elements: one allocation covers it.
constexpr std::size_t kFirstIndexBlock = 256;
// Bounds the index's memory whatever the text: a language file or update description has a few
// hundred elements, a text of nothing but empty tags would otherwise cost ~100 bytes per 4 characters.
constexpr std::size_t kMaxElements = std::size_t{1} << 20;

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool IsNameDelimiter(char16_t c) {
    switch (c) {
        case u'<': case u'>': case u'=': case u'\\': case u'/': case u'?':
        case u'!': case u'"': case u'\'': case u';':
            return true;
        default:
            return IsSpace(c);
    }
}

std::size_t NameEnd(std::u16string_view text, std::size_t i) {
    while (i < text.size() && !IsNameDelimiter(text[i])) ++i;
    return i;
}

bool StartsWithAt(std::u16string_view text, std::size_t i, std::u16string_view prefix) {
    return text.substr(i, prefix.size()) == prefix;
}

// A cut-off prefix of one of the "<!" constructs at the very end of the text.
bool IsCutOffBangPrefix(std::u16string_view rest) {
    for (std::u16string_view whole : {u"<!--", u"<![CDATA[", u"<!DOCTYPE"}) {
        if (rest.size() < whole.size() && whole.starts_with(rest)) return true;
    }
    return false;
}

class Indexer {
public:
    explicit Indexer(std::u16string_view text) : text_(text) {
        index_.elements.reserve(kFirstIndexBlock);
        index_.elements.emplace_back();
        lastChild_.push_back(0);
    }

    XmlIndex Run() {
        std::size_t i = 0;
        while (i != kNone) {
            const std::size_t lt = text_.find(u'<', i);
            if (lt == kNone) break;
            if (index_.elements.size() > kMaxElements) {
                Record("Too many elements at offset " + std::to_string(lt));
                break;
            }
            i = ScanMarkup(lt);
        }
        while (!open_.empty()) CloseUnended(static_cast<uint32_t>(text_.size()));
        CheckRoot();
        return std::move(index_);
    }

private:
    // Returns where the scan goes on, or kNone when the text ends inside the construct.
    std::size_t ScanMarkup(std::size_t lt) {
        if (lt + 1 >= text_.size()) return Unterminated("tag", lt);
        switch (text_[lt + 1]) {
            case u'!': return ScanBang(lt);
            case u'?': return SkipTo(lt, u"?>", "Processing instruction");
            case u'/': return ScanEndTag(lt);
            default: return ScanStartTag(lt);
        }
    }

    std::size_t ScanBang(std::size_t lt) {
        if (StartsWithAt(text_, lt, u"<!--")) return SkipTo(lt, u"-->", "Comment");
        if (StartsWithAt(text_, lt, u"<![CDATA[")) return SkipTo(lt, u"]]>", "CDATA Section");
        if (StartsWithAt(text_, lt, u"<!DOCTYPE")) return ScanDoctype(lt);
        if (IsCutOffBangPrefix(text_.substr(lt))) return Unterminated("tag", lt);
        Incorrect(StartsWithAt(text_, lt, u"<!-") ? "comment tag" : "! tag", lt);
        return lt + 1;
    }

    std::size_t SkipTo(std::size_t lt, std::u16string_view terminator, const char* kind) {
        const std::size_t end = text_.find(terminator, lt + 2);
        if (end == kNone) return Unterminated(kind, lt);
        return end + terminator.size();
    }

    // The internal subset may hold quoted strings and declarations with their own ">".
    std::size_t ScanDoctype(std::size_t lt) {
        const std::size_t end = DoctypeEnd(text_, lt);
        return end == kNone ? Unterminated("Doctype", lt) : end;
    }

    std::size_t ScanEndTag(std::size_t lt) {
        const std::size_t nameEnd = NameEnd(text_, lt + 2);
        if (nameEnd >= text_.size()) return Unterminated("Element end tag", lt);
        if (nameEnd == lt + 2) {
            Incorrect("tag name character", lt);
            return lt + 1;
        }
        std::size_t i = nameEnd;
        while (i < text_.size() && IsSpace(text_[i])) ++i;
        if (i >= text_.size()) return Unterminated("Element end tag", lt);
        if (text_[i] != u'>') {
            Incorrect("tag", lt);
            return lt + 1;
        }
        CloseByEndTag(text_.substr(lt + 2, nameEnd - lt - 2), lt, i + 1 - lt);
        return i + 1;
    }

    std::size_t ScanStartTag(std::size_t lt) {
        const std::size_t nameEnd = NameEnd(text_, lt + 1);
        if (nameEnd == lt + 1) {
            Incorrect("tag name character", lt);
            return lt + 1;
        }
        for (std::size_t i = nameEnd; i < text_.size(); ++i) {
            const char16_t c = text_[i];
            if (c == u'>') return AddElement(lt, nameEnd, i + 1 - lt, false);
            if (c == u'/' && i + 1 < text_.size() && text_[i + 1] == u'>') {
                return AddElement(lt, nameEnd, i + 2 - lt, true);
            }
            if (c == u'"' || c == u'\'') {
                i = text_.find(c, i + 1);
                if (i == kNone) break;
            } else if (c == u'<') {
                Incorrect("tag", lt);
                return lt + 1;
            }
        }
        return Unterminated("Element tag", lt);
    }

    std::size_t AddElement(std::size_t lt, std::size_t nameEnd, std::size_t tagLength, bool emptyTag) {
        auto& elements = index_.elements;
        const auto number = static_cast<uint32_t>(elements.size());
        const uint32_t parent = open_.empty() ? 0 : open_.back();
        XmlElement element;
        element.start = static_cast<uint32_t>(lt);
        element.startTagLength = static_cast<uint32_t>(tagLength);
        element.nameLength = static_cast<uint32_t>(nameEnd - lt - 1);
        element.nameHash = XmlNameHash(text_.substr(lt + 1, element.nameLength));
        element.length = emptyTag ? element.startTagLength : 0;
        element.parent = parent;
        element.flags = emptyTag ? kElementEmptyTag : 0;
        const uint32_t previous = lastChild_[parent];
        if (previous != 0) {
            elements[previous].nextSibling = number;
            element.prevSibling = previous;
        } else {
            elements[parent].firstChild = number;
        }
        elements.push_back(element);
        lastChild_[parent] = number;
        lastChild_.push_back(0);
        if (!emptyTag) {
            openByName_[NameOf(number)].push_back(static_cast<uint32_t>(open_.size()));
            open_.push_back(number);
        }
        return lt + tagLength;
    }

    void CloseByEndTag(std::u16string_view name, std::size_t lt, std::size_t tagLength) {
        // The innermost open element of this name, found without walking the open elements, so
        // a deep nest under a stream of stray end tags stays linear.
        const auto named = openByName_.find(name);
        const std::size_t depth = named == openByName_.end() || named->second.empty() ? 0 : named->second.back() + 1;
        if (depth == 0) {
            if (index_.error.empty()) {
                Record("No start tag for end tag '" + Utf16ToUtf8(name) + "' at offset " + std::to_string(lt));
            }
            return;
        }
        if (depth < open_.size() && index_.error.empty()) {
            const XmlElement& inner = index_.elements[open_.back()];
            Record("End tag '" + Utf16ToUtf8(name) + "' at offset " + std::to_string(lt) +
                   " does not match start tag '" + Utf16ToUtf8(ElementName(text_, inner)) + "' at offset " +
                   std::to_string(inner.start));
        }
        while (open_.size() > depth) CloseUnended(static_cast<uint32_t>(lt));
        XmlElement& element = index_.elements[open_.back()];
        element.endTagLength = static_cast<uint32_t>(tagLength);
        element.length = static_cast<uint32_t>(lt + tagLength) - element.start;
        PopOpen();
    }

    void CloseUnended(uint32_t end) {
        XmlElement& element = index_.elements[open_.back()];
        element.flags |= kElementNotEnded;
        element.length = end - element.start;
        if (end == text_.size() && index_.error.empty()) {
            Record("Element '" + Utf16ToUtf8(ElementName(text_, element)) + "' at offset " +
                   std::to_string(element.start) + " not ended");
        }
        PopOpen();
    }

    // The innermost open element is also the last one opened under its name.
    void PopOpen() {
        openByName_[NameOf(open_.back())].pop_back();
        open_.pop_back();
    }

    void CheckRoot() {
        if (text_.empty()) {
            Record("Empty document");
            return;
        }
        const uint32_t root = index_.elements[0].firstChild;
        if (root == 0) Record("No root element");
        else if (index_.elements[root].nextSibling != 0) Record("Root element has sibling");
    }

    std::u16string_view NameOf(uint32_t number) const { return ElementName(text_, index_.elements[number]); }

    std::size_t Unterminated(const char* kind, std::size_t offset) {
        Record(std::string(kind) + " at offset " + std::to_string(offset) + " unterminated");
        return kNone;
    }

    void Incorrect(const char* what, std::size_t offset) {
        Record(std::string("Incorrect ") + what + " at offset " + std::to_string(offset));
    }

    void Record(std::string problem) {
        if (index_.error.empty()) index_.error = std::move(problem);
    }

    std::u16string_view text_;
    XmlIndex index_;
    std::vector<uint32_t> open_;       // element numbers of the open elements, outermost first
    // Per tag name, the positions in open_ of the open elements of that name, outermost first.
    std::unordered_map<std::u16string_view, std::vector<uint32_t>> openByName_;
    std::vector<uint32_t> lastChild_;  // per element number, while indexing
};

}  // namespace

uint32_t XmlNameHash(std::u16string_view name) {
    uint32_t hash = 2166136261u;  // FNV-1a over the UTF-16 units
    for (char16_t unit : name) hash = (hash ^ unit) * 16777619u;
    return hash;
}

namespace {

void AddSiblingTable(XmlIndex& index) {
    const std::size_t count = index.elements.size();
    index.childBegin.assign(count + 1, 0);
    for (std::size_t e = 1; e < count; ++e) ++index.childBegin[index.elements[e].parent + 1];
    for (std::size_t p = 0; p < count; ++p) index.childBegin[p + 1] += index.childBegin[p];
    index.siblings.resize(count > 0 ? count - 1 : 0);
    index.siblingPosition.assign(count, 0);
    std::vector<uint32_t> next(index.childBegin.begin(), index.childBegin.end() - 1);
    for (std::size_t e = 1; e < count; ++e) {
        const uint32_t position = next[index.elements[e].parent]++;
        index.siblings[position] = {index.elements[e].nameHash, static_cast<uint32_t>(e)};
        index.siblingPosition[e] = position;
    }
}

}  // namespace

XmlIndex BuildXmlIndex(std::u16string_view text) {
    XmlIndex index = Indexer(text).Run();
    AddSiblingTable(index);
    return index;
}

}  // namespace oryn7px
