#include "core/i18n/xml_references.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(XmlReferencesTest, DecodesKnownReferencesAndKeepsTheRest) {
    const struct {
        std::u16string in;
        std::u16string out;
    } cases[] = {
        {u"Save &amp; apply", u"Save & apply"},
        {u"&lt;&gt;&quot;&apos;", u"<>\"'"},
        {u"&#65;&#x41;&#X42;", u"AAB"},
        {u"&#x1F3AE;", u"\U0001F3AE"},
        {u"&euro;&nbsp;&hellip;&yuml;", u"€\u00A0…ÿ"},
        {u"&AMP;&Amp;", u"&&"},
        {u"&Eacute;&eacute;&Dagger;", u"éé\u2020"},
        {u"&bogus; & &;", u"&bogus; & &;"},
        {u"&#0;&#;&#x;&#12a;", u"&#0;&#;&#x;&#12a;"},
        {u"&#xD800;&#x110000;", u"&#xD800;&#x110000;"},
        {u"&thetasym;&thetasym1;", u"\u03D1&thetasym1;"},
        {u"&#99999999;", u"&#99999999;"},
        {u"&amp", u"&amp"},
        {u"&am\u00E9;", u"&am\u00E9;"},
        {u"a&&amp;b", u"a&&b"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeReferences(c.in), c.out);
}

}  // namespace
}  // namespace oryn7px
