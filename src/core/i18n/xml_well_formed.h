#pragma once
// Well-formedness of XML text, strictly: for translators (oryn7px-cli lang check). The program's
// reader, CXmlDoc, reads what it can of a malformed file; this names where the file goes wrong.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace oryn7px {

// Offsets count UTF-16 units of the text, as CXmlDoc's parse errors do.
struct XmlProblem {
    std::size_t offset = 0;
    std::string message;  // names the offset
};

// The first departure from well-formed XML 1.0 in document order, in one pass over the text.
// References: the predefined names, the HTML names CXmlDoc decodes, and character references to
// characters XML allows. A document type declaration is skipped, not checked.
std::optional<XmlProblem> FirstWellFormednessProblem(std::u16string_view text);

}  // namespace oryn7px
