#pragma once
// Character and entity references in XML text.
#include <string>
#include <string_view>

namespace oryn7px {

// Replaces "&#N;", "&#xH;" and the HTML 4 names (plus "apos") with their characters. Names are
// folded to lower case first, so of a name defined in two cases the small letter wins ("&Eacute;"
// gives "é"). Anything else, an unknown name or a reference longer than 9 characters included,
// stays as written.
std::u16string DecodeReferences(std::u16string_view text);

}  // namespace oryn7px
