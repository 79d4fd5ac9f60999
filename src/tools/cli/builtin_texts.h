#pragma once
// English texts of the language keys the settings files use, until the CLI reads language files.
#include "core/i18n/text_source.h"

namespace oryn7px::cli {

class BuiltinTexts final : public TextSource {
public:
    std::u16string Text(std::string_view key) const override;
};

}  // namespace oryn7px::cli
