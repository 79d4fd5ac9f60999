#pragma once
// A small read-only XML document: the language files and the firmware description.
// Not thread-safe: every lookup moves the position, so each thread uses its own document.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/i18n/xml_index.h"
#include "core/interfaces/code_page_converter.h"

namespace oryn7px {

// The bytes of a file as CXmlDoc loads it: a regular file of at most 16 MiB; nothing otherwise.
std::optional<std::string> ReadXmlFile(const std::filesystem::path& path);

class CXmlDoc {
public:
    // The converter must outlive the document.
    explicit CXmlDoc(const CodePageConverter& converter) : converter_(converter) {}

    // Reads and indexes the file; true when it is well-formed. A file that cannot be read
    // leaves an empty document in which nothing can be found.
    bool LoadFile(const std::filesystem::path& path);
    // The same from the bytes of a file.
    bool LoadBytes(std::string_view bytes);

    // No current element and no current child, at the top level.
    void ResetPos();
    // The next element of the current level after the current one (any name when empty).
    bool FindElement(std::string_view name = {});
    // The next child of the current element after the current child; with no current element
    // the root becomes current first.
    bool FindChild(std::string_view name);
    bool EnterElement();
    std::u16string GetChildText() const;
    // The text of element `key` in the first `section` child of the root, or in a `section`
    // nested inside it; empty when there is none.
    std::u16string GetSectionText(std::string_view section, std::string_view key);

    const std::string& LoadDescription() const { return description_; }
    const std::string& ParseError() const { return index_.error; }
    bool HasByteOrderMark() const { return byteOrderMark_; }
    bool IsUtf16() const { return utf16_; }
    bool IsBigEndian() const { return bigEndian_; }

private:
    void Clear();
    // The first element from `first` on along the sibling chain with the name (any when empty).
    uint32_t FindSibling(uint32_t first, std::string_view name) const;
    std::u16string ElementText(const XmlElement& element) const;

    const CodePageConverter& converter_;
    std::u16string text_;
    XmlIndex index_{.elements = {XmlElement{}}};
    std::string description_;
    bool byteOrderMark_ = false;
    bool utf16_ = false;
    bool bigEndian_ = false;
    uint32_t parent_ = 0;
    uint32_t current_ = 0;
    uint32_t child_ = 0;
};

}  // namespace oryn7px
