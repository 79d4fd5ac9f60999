#include "core/i18n/spoken_names.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(SpokenNames, ColourWordsNameEveryChannel) {
    struct Case { RgbColor colour; std::u16string_view words; };
    const Case cases[] = {
        {{255, 0, 0}, u"Red 255, green 0, blue 0"},
        {{0x18, 0xA4, 0x2A}, u"Red 24, green 164, blue 42"},
        {{0, 0, 0}, u"Red 0, green 0, blue 0"},
    };
    for (const Case& c : cases) EXPECT_EQ(ColourWords(c.colour), c.words);
}

}  // namespace
}  // namespace oryn7px
