#pragma once
// Hints 19..25 show a button's name. A default name stored in the other built-in language is
// turned into the current one first, so the hint follows the UI language.
#include <cstddef>

#include "core/settings/file_records.h"

namespace oryn7px {

// Rewrites `name` in place when it is one of the seven default names of the other language;
// true when it changed. The buffer always stays terminated.
bool SwapDefaultButtonName(char16_t (&name)[kPathChars], bool chinese);

}  // namespace oryn7px
