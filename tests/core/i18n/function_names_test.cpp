#include "core/i18n/function_names.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(FunctionNames, ByCodeAndLanguage) {
    struct Case { int32_t code; std::u16string_view chinese; std::u16string_view english; };
    const Case cases[] = {
        {22, u"滚轮后滚", u"Scroll down"},
        {126, u"放大", u"sreen zoom in"},
        {146, u"DPI循环", u"DPI loop"},
        {3, u"", u""},
        {0, u"", u""},
        {-1, u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetFunctionName(c.code, true), c.chinese) << c.code;
        EXPECT_EQ(GetFunctionName(c.code, false), c.english) << c.code;
    }
}

}  // namespace
}  // namespace oryn7px
