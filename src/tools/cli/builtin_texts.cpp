#include "builtin_texts.h"

namespace oryn7px::cli {

std::u16string BuiltinTexts::Text(std::string_view key) const {
    if (key == "str_msg2") return u"%s: the file or its folder cannot be found.";
    if (key == "str_msg4") return u"Access denied: the settings file cannot be written.";
    if (key == "str_msg5") return u"Access denied: the file cannot be written.";
    return {};
}

}  // namespace oryn7px::cli
