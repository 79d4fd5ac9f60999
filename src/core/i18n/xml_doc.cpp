#include "core/i18n/xml_doc.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "core/base/file_read.h"
#include "core/base/utf16.h"
#include "core/i18n/xml_encoding.h"
#include "core/i18n/xml_references.h"

namespace oryn7px {

namespace {

// A language file is some 20 KB, an update description less: this bounds the memory a file can
// take (its UTF-16 text and the index) while staying far above both.
constexpr std::uintmax_t kMaxFileBytes = 16u << 20;

bool IsAllSpace(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; });
}

// Text of mixed content: text pieces decoded (white-space-only pieces dropped), CDATA copied,
// comments and processing instructions skipped, stray tags skipped.
std::u16string MixedContentText(std::u16string_view content) {
    std::u16string out;
    std::size_t pieceStart = 0;
    auto flushPiece = [&](std::size_t end) {
        const std::u16string_view piece = content.substr(pieceStart, end - pieceStart);
        if (!IsAllSpace(piece)) out += DecodeReferences(piece);
    };
    std::size_t i = 0;
    while (i < content.size()) {
        const std::size_t lt = content.find(u'<', i);
        if (lt == std::u16string_view::npos) break;
        const std::u16string_view rest = content.substr(lt);
        std::u16string_view terminator;
        std::size_t skip = 0;
        if (rest.starts_with(u"<![CDATA[")) { terminator = u"]]>"; skip = 9; }
        else if (rest.starts_with(u"<!--")) { terminator = u"-->"; skip = 4; }
        else if (rest.starts_with(u"<?")) { terminator = u"?>"; skip = 2; }
        else if (rest.starts_with(u"</") || rest.starts_with(u"<!")) { terminator = u">"; skip = 2; }
        if (terminator.empty()) {
            i = lt + 1;  // a "<" that starts no markup is text
            continue;
        }
        flushPiece(lt);
        const std::size_t end = std::min(content.find(terminator, lt + skip), content.size());
        if (skip == 9) out.append(content.substr(lt + 9, end - lt - 9));
        i = std::min(end + terminator.size(), content.size());
        pieceStart = i;
    }
    flushPiece(content.size());
    return out;
}

}  // namespace

void CXmlDoc::Clear() {
    text_.clear();
    index_ = XmlIndex{.elements = {XmlElement{}}};
    description_.clear();
    byteOrderMark_ = utf16_ = bigEndian_ = false;
    ResetPos();
}

std::optional<std::string> ReadXmlFile(const std::filesystem::path& path) {
    // A FIFO or device would block the open or never end.
    if (!CheckReadable(path)) return std::nullopt;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return std::nullopt;
    const long size = std::ftell(file.get());
    if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxFileBytes || std::fseek(file.get(), 0, SEEK_SET) != 0) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    return bytes;
}

bool CXmlDoc::LoadFile(const std::filesystem::path& path) {
    Clear();
    const std::optional<std::string> bytes = ReadXmlFile(path);
    return bytes && LoadBytes(*bytes);
}

bool CXmlDoc::LoadBytes(std::string_view bytes) {
    Clear();
    if (bytes.size() > kMaxFileBytes) return false;
    DecodedXml decoded = DecodeXmlBytes(bytes, converter_);
    text_ = std::move(decoded.text);
    description_ = std::move(decoded.description);
    byteOrderMark_ = decoded.byteOrderMark;
    utf16_ = decoded.utf16;
    bigEndian_ = decoded.bigEndian;
    index_ = BuildXmlIndex(text_);
    return index_.error.empty();
}

void CXmlDoc::ResetPos() { parent_ = current_ = child_ = 0; }

uint32_t CXmlDoc::FindSibling(uint32_t first, std::string_view name) const {
    if (name.empty() || first == 0) return first;
    const std::u16string wanted = Utf8ToUtf16(name);
    const uint32_t wantedHash = XmlNameHash(wanted);
    const uint32_t end = index_.childBegin[index_.elements[first].parent + 1];
    for (uint32_t k = index_.siblingPosition[first]; k < end; ++k) {
        const XmlIndex::Sibling& sibling = index_.siblings[k];
        if (sibling.nameHash == wantedHash && ElementName(text_, index_.elements[sibling.element]) == wanted) {
            return sibling.element;
        }
    }
    return 0;
}

bool CXmlDoc::FindElement(std::string_view name) {
    const uint32_t first = current_ != 0 ? index_.elements[current_].nextSibling : index_.elements[parent_].firstChild;
    const uint32_t found = FindSibling(first, name);
    if (found == 0) return false;
    current_ = found;
    child_ = 0;
    return true;
}

bool CXmlDoc::FindChild(std::string_view name) {
    if (current_ == 0 && !FindElement()) return false;
    const uint32_t first = child_ != 0 ? index_.elements[child_].nextSibling : index_.elements[current_].firstChild;
    const uint32_t found = FindSibling(first, name);
    if (found == 0) return false;
    child_ = found;
    return true;
}

bool CXmlDoc::EnterElement() {
    if (current_ == 0) return false;
    parent_ = current_;
    current_ = child_;
    child_ = 0;
    return true;
}

std::u16string CXmlDoc::GetChildText() const {
    return child_ == 0 ? std::u16string() : ElementText(index_.elements[child_]);
}

std::u16string CXmlDoc::ElementText(const XmlElement& element) const {
    if (element.firstChild != 0 || (element.flags & kElementEmptyTag)) return {};
    const std::size_t contentStart = element.start + element.startTagLength;
    const std::size_t contentEnd = element.start + element.length - element.endTagLength;
    const std::u16string_view content = std::u16string_view(text_).substr(contentStart, contentEnd - contentStart);
    if (content.find(u'<') == std::u16string_view::npos) return DecodeReferences(content);
    return MixedContentText(content);
}

std::u16string CXmlDoc::GetSectionText(std::string_view section, std::string_view key) {
    ResetPos();
    while (FindChild(section)) {
        EnterElement();
        if (FindChild(key)) return GetChildText();
    }
    return {};
}

}  // namespace oryn7px
