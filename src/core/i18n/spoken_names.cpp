#include "core/i18n/spoken_names.h"

#include "core/base/utf16.h"

namespace oryn7px {

std::u16string ColourWords(RgbColor colour) {
    const auto number = [](int value) { return Utf8ToUtf16(std::to_string(value)); };
    return u"Red " + number(colour.red) + u", green " + number(colour.green) + u", blue " + number(colour.blue);
}

}  // namespace oryn7px
