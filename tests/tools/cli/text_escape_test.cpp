#include "tools/cli/text_escape.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace oryn7px::cli {
namespace {

// Each hostile text as plain output shows it and as a JSON string carries it.
struct Case {
    std::string text;
    std::string plain;
    std::string json;
};

const std::vector<Case> kHostileTexts = {
    {"\x1b[2J\x1b]0;title\x07", R"(\x1B[2J\x1B]0;title\x07)", R"("\u001b[2J\u001b]0;title\u0007")"},
    {"del\x7f", R"(del\x7F)", R"("del\u007f")"},
    {"csi\xc2\x9b" "31m", R"(csi\x9B31m)", R"("csi\u009b31m")"},
    {"c1 \xc2\x80 and \xc2\x9f", R"(c1 \x80 and \x9F)", R"("c1 \u0080 and \u009f")"},
    {"txt.\xe2\x80\xaegpj", R"(txt.\u202Egpj)", R"("txt.\u202egpj")"},
    {"\xe2\x80\xaa\xe2\x80\xab\xe2\x80\xac\xe2\x80\xad", R"(\u202A\u202B\u202C\u202D)",
     R"("\u202a\u202b\u202c\u202d")"},
    {"\xe2\x81\xa6isolates\xe2\x81\xa7\xe2\x81\xa8\xe2\x81\xa9", R"(\u2066isolates\u2067\u2068\u2069)",
     R"("\u2066isolates\u2067\u2068\u2069")"},
    {"marks \xe2\x80\x8e\xe2\x80\x8f\xd8\x9c", R"(marks \u200E\u200F\u061C)", R"("marks \u200e\u200f\u061c")"},
    {"tab\tline\nend", R"(tab\x09line\x0Aend)", R"("tab\tline\nend")"},
    {"back\\slash", R"(back\\slash)", R"("back\\slash")"},
    // Bytes that are not UTF-8: a lone 8-bit CSI, a stray lead byte, an overlong '/'.
    {"lone \x9b \xff \xc0\xaf", R"(lone \x9B \xFF \xC0\xAF)",
     "\"lone \xef\xbf\xbd \xef\xbf\xbd \xef\xbf\xbd\xef\xbf\xbd\""},
    // Neighbours of the escaped ranges stay as they are.
    {"\xc2\xa0\xe2\x80\xaf\xe2\x81\xaa \xe4\xb8\xad\xe6\x96\x87 \xc3\xbc", "\xc2\xa0\xe2\x80\xaf\xe2\x81\xaa \xe4\xb8\xad\xe6\x96\x87 \xc3\xbc",
     "\"\xc2\xa0\xe2\x80\xaf\xe2\x81\xaa \xe4\xb8\xad\xe6\x96\x87 \xc3\xbc\""},
};

TEST(TextEscape, HostileTextsInPlainAndJsonOutput) {
    for (const Case& c : kHostileTexts) {
        EXPECT_EQ(EscapeForText(c.text), c.plain) << c.plain;
        EXPECT_EQ(JsonText(nlohmann::json(c.text)), c.json) << c.plain;
    }
}

TEST(TextEscape, JsonKeepsTheValueAReaderDecodes) {
    for (const Case& c : kHostileTexts) {
        const nlohmann::json value(c.text);
        if (c.json.find("\xef\xbf\xbd") != std::string::npos) continue;  // not UTF-8 to begin with
        EXPECT_EQ(nlohmann::json::parse(JsonText(value)), value) << c.plain;
    }
}

TEST(TextEscape, JsonLayoutStaysAndKeysAreEscapedToo) {
    const nlohmann::ordered_json object = {{"name\xe2\x80\xae", "x\x7f"}, {"n", 1}};
    EXPECT_EQ(JsonText(object), "{\n  \"name\\u202e\": \"x\\u007f\",\n  \"n\": 1\n}");
}

TEST(TextEscape, LineFeedsStayWhereAskedForAndNothingElseDoes) {
    EXPECT_EQ(EscapeForText("one\ntwo\x1b", true), "one\ntwo\\x1B");
    EXPECT_EQ(EscapeForText("\xe2\x80\xae\n", true), "\\u202E\n");
}

}  // namespace
}  // namespace oryn7px::cli
