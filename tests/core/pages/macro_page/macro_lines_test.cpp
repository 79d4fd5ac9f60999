#include <gtest/gtest.h>

#include "core/base/utf16.h"
#include "core/pages/macro_page/macro_categories.h"
#include "core/pages/macro_page/macro_lines.h"

namespace oryn7px::macro_page {
namespace {

std::string Narrow(const std::u16string& text) { return Utf16ToUtf8(text); }

TEST(MacroLinesTest, MoveFieldTextRules) {
    struct Case {
        std::u16string typed;
        std::u16string shown;
        int value;
    };
    const Case cases[] = {
        {u"", u"0", 0},          {u"05", u"5", 5},        {u"12a", u"12", 12},   {u"0a", u"0", 0},
        {u"200", u"127", 127},   {u"-200", u"-127", -127}, {u"-", u"-", 0},      {u"-05", u"-05", -5},
        {u"127", u"127", 127},   {u"-127", u"-127", -127}, {u"99999999999", u"127", 127},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.typed));
        const std::u16string shown = TidyMoveText(c.typed);
        EXPECT_EQ(Narrow(shown), Narrow(c.shown));
        EXPECT_EQ(MoveFieldValue(shown), c.value);
    }
}

TEST(MacroLinesTest, CountFieldTidyAndRepeatValue) {
    struct Case {
        std::u16string typed;
        std::u16string tidy;
        uint32_t repeat;  // what a store reads from the untidied field
    };
    const Case cases[] = {
        {u"007", u"7", 7}, {u"70000", u"65533", 0xFFFD}, {u"", u"1", 1},          {u"0", u"1", 1},
        {u"abc", u"1", 1}, {u"65533", u"65533", 65533},  {u"65534", u"65533", 0xFFFD}, {u"12", u"12", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.typed));
        EXPECT_EQ(Narrow(TidyCountText(c.typed)), Narrow(c.tidy));
        EXPECT_EQ(RepeatValue(RepeatChoice::kPlayCount, c.typed), c.repeat);
    }
    EXPECT_EQ(RepeatValue(RepeatChoice::kRepeatFFFE, u"9"), 0xFFFEu);
    EXPECT_EQ(RepeatValue(RepeatChoice::kRepeatFFFF, u"9"), 0xFFFFu);
}

TEST(MacroLinesTest, StoredRepeatShowsAsChoiceAndCount) {
    struct Case {
        uint32_t repeat;
        RepeatChoice choice;
        std::u16string count;
    };
    const Case cases[] = {{1, RepeatChoice::kPlayCount, u"1"},
                          {300, RepeatChoice::kPlayCount, u"300"},
                          {0xFFFE, RepeatChoice::kRepeatFFFE, u"1"},
                          {0xFFFF, RepeatChoice::kRepeatFFFF, u"1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.repeat);
        EXPECT_EQ(ChoiceOfRepeat(c.repeat), c.choice);
        EXPECT_EQ(Narrow(CountTextOfRepeat(c.repeat)), Narrow(c.count));
    }
}

TEST(MacroLinesTest, AdjacentDelaysMergeUpToTheCap) {
    using L = EventLine;
    struct Case {
        const char* name;
        std::vector<EventLine> lines;
        std::vector<EventLine> merged;
    };
    const Case cases[] = {
        {"two delays", {{3, 65}, {4, 100}, {4, 50}, {2, 65}}, {{3, 65}, {4, 150}, {2, 65}}},
        {"three delays", {{4, 1}, {4, 2}, {4, 3}}, {{4, 6}}},
        {"capped", {{3, 65}, {4, 300000}, {4, 300000}, {2, 65}}, {{3, 65}, {4, kMaxDelayMs}, {2, 65}}},
        {"apart", {{4, 10}, {3, 65}, {4, 20}}, {{4, 10}, {3, 65}, {4, 20}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<L> lines = c.lines;
        MergeAdjacentDelays(lines);
        EXPECT_EQ(lines, c.merged);
    }
}

TEST(MacroLinesTest, EntryDropsLeadingDelaysButCountsEveryLineInItsSize) {
    const std::vector<EventLine> lines{{kLineDelay, 500}, {kLineKeyDown, 0x41}, {kLineDelay, 150}, {kLineKeyUp, 0x41}};
    const MacroEntry entry = BuildMacroEntry(lines, 0x16000042, u"Reload", 3);
    EXPECT_EQ(entry.dwSize, 4100u + 4 * 4);
    EXPECT_EQ(entry.dwMagic, kMacroMagic);
    EXPECT_EQ(entry.dwMacroId, 0x16000042u);
    EXPECT_EQ(entry.dwRepeat, 3u);
    ASSERT_EQ(entry.dwEventCount, 3u);
    EXPECT_EQ(entry.dwEvents[0], 0xC0000041u);
    EXPECT_EQ(entry.dwEvents[1], 0xA0000096u);
    EXPECT_EQ(entry.dwEvents[2], 0xE0000041u);
    EXPECT_EQ(entry.dwEvents[3], 0u);
    EXPECT_EQ(Narrow(std::u16string(FixedText(entry.szName))), "Reload");
}

TEST(MacroLinesTest, LineTextsAndEventKinds) {
    struct Case {
        uint32_t eventWord;
        EventLine line;
        std::string text;
    };
    const Case cases[] = {
        {0xC0000041, {kLineKeyDown, 0x41}, "A"},
        {0xE000001B, {kLineKeyUp, 0x1B}, "ESC"},
        {0xC0000001, {kLineKeyDown, 0x01}, "Left Button"},
        // The editor's own table has no name for Print Screen: the general key name stands in.
        {0xC000002C, {kLineKeyDown, 0x2C}, "PrtSc SysRq"},
        {0xA0000096, {kLineDelay, 150}, "150  ms"},
        {0x40005803, {kLineMove, PackMove(-3, 5)}, "(-3, 5)"},
        {0x40000000 | PackMove(127, -127), {kLineMove, PackMove(127, -127)}, "(127, -127)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto line = LineOfEvent(c.eventWord);
        ASSERT_TRUE(line);
        EXPECT_EQ(*line, c.line);
        EXPECT_EQ(EventOfLine(*line), c.eventWord);
        EXPECT_EQ(Narrow(LineText(*line)), c.text);
    }
    EXPECT_FALSE(LineOfEvent(0x12000041));
    EXPECT_FALSE(LineOfEvent(0));
}

TEST(MacroLinesTest, KeysByNameOrNumber) {
    struct Case {
        std::string name;
        std::optional<uint32_t> key;
    };
    const Case cases[] = {
        {"a", 0x41},         {"A", 0x41},          {"esc", 0x1B},        {"Esc", 0x1B},       {"L_Ctrl", 0xA2},
        {"lctrl", 0xA2},     {"num enter", 0x6C},  {"Left Button", 0x01}, {"F12", 0x7B},      {"space", 0x20},
        {"1", 0x31},         {"0x01", 0x01},       {"65", 0x41},         {"0xFF", 0xFF},      {"PrtSc SysRq", 0x2C},
        {"0", 0x30},         {"256", std::nullopt}, {"0x100", std::nullopt}, {"", std::nullopt}, {"nokey", std::nullopt},
        {"0x", std::nullopt}, {"1a", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KeyOfName(c.name), c.key);
    }
}

TEST(MacroLinesTest, CategoryNamesOnTheButtonAndInTheMenu) {
    struct Case {
        uint32_t category;
        bool chinese;
        std::string button;
        std::string menu;
    };
    const Case cases[] = {
        {1, false, "Battlefield 3", "Battlefield 3 "},
        {1, true, "战地 3", "战地 3 "},
        {5, true, "军团要塞 2", "军团要塞2"},
        {13, true, "远古遗迹守卫2（Dota 2）", "远古遗迹守卫2（Dota 2） "},
        {21, false, "PLAYERUNKNOWN'S BATTLEGROUNDS", "PLAYERUNKNOWN'S BATTLEGROUNDS"},
        {22, false, "Customisze", "Customize"},
        {22, true, "玩家自定义", "玩家自定义"},
        {0, false, "", ""},
        {23, true, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.category);
        EXPECT_EQ(Utf16ToUtf8(CategoryName(c.category, c.chinese)), c.button);
        EXPECT_EQ(Utf16ToUtf8(CategoryMenuText(c.category, c.chinese)), c.menu);
        EXPECT_LE(CategoryMenuText(c.category, c.chinese).size(), 39u);
    }
}

}  // namespace
}  // namespace oryn7px::macro_page
