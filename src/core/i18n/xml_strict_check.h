#pragma once
// Everything a translator must hear of in a language file, although the program reads it: the
// bytes (encoding faults the decoder papers over) and the markup (see xml_well_formed.h).
// Only oryn7px-cli lang check asks this; the program's reader stays lenient.
#include <string>
#include <string_view>
#include <vector>

#include "core/interfaces/code_page_converter.h"

namespace oryn7px {

// One line per problem, each naming where it is: "at byte N" in the file, "at offset N" in
// UTF-16 units of the decoded text. Empty for a well-formed file.
std::vector<std::string> StrictXmlProblems(std::string_view bytes, const CodePageConverter& converter);

}  // namespace oryn7px
