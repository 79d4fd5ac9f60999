#pragma once
// The element index of an XML text: one entry per element, built by a single scan.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace oryn7px {

inline constexpr uint32_t kElementNotEnded = 1;  // closed by an outer end tag or the end of the text
inline constexpr uint32_t kElementEmptyTag = 2;  // written as <name/>

struct XmlElement {
    uint32_t start = 0;           // offset of the "<" of the start tag
    uint32_t length = 0;          // start tag through end tag
    uint32_t startTagLength = 0;
    uint32_t endTagLength = 0;
    uint32_t nameLength = 0;      // kept so that lookups never rescan tag names
    uint32_t nameHash = 0;        // XmlNameHash of the tag name: lookups skip other names without touching the text
    uint32_t parent = 0;          // element numbers; 0 is the document, and means none
    uint32_t firstChild = 0;
    uint32_t nextSibling = 0;
    uint32_t prevSibling = 0;
    uint32_t flags = 0;
};

struct XmlIndex {
    std::vector<XmlElement> elements;  // [0] stands for the document; its first child is the root
    std::string error;                 // the first problem found, empty when well-formed
    // The children of each element side by side, so a search by name scans one array:
    // element p's children are siblings[childBegin[p] .. childBegin[p + 1]), in document order.
    struct Sibling {
        uint32_t nameHash;
        uint32_t element;
    };
    std::vector<Sibling> siblings;
    std::vector<uint32_t> childBegin;
    std::vector<uint32_t> siblingPosition;  // where each element stands in `siblings`
};

uint32_t XmlNameHash(std::u16string_view name);

// Indexes as far as the scan can follow the text; offsets are in UTF-16 units.
XmlIndex BuildXmlIndex(std::u16string_view text);

// The tag name of an element: up to white space or one of < > = \ / ? ! " ' ;
inline std::u16string_view ElementName(std::u16string_view text, const XmlElement& element) {
    return text.substr(element.start + 1, element.nameLength);
}

}  // namespace oryn7px
