#pragma once
// Where translated texts come from: the loaded language file, by language key.
#include <string>
#include <string_view>

namespace oryn7px {

class TextSource {
public:
    virtual ~TextSource() = default;
    // The text of a language key (for example "str_msg2"), or empty when it has none.
    virtual std::u16string Text(std::string_view key) const = 0;
};

}  // namespace oryn7px
