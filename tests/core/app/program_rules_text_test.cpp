// ProgramRules.ini as text: what it reads, what it writes, what it keeps and what it refuses.
#include "core/app/program_rules_text.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

using Kind = RulesFileProblem::Kind;

ProgramRulesDocument Parsed(std::string_view text) {
    auto parsed = ParseProgramRules(text);
    if (auto* problem = std::get_if<RulesFileProblem>(&parsed)) {
        ADD_FAILURE() << "line " << problem->line << ": kind " << static_cast<int>(problem->kind) << " " << problem->detail;
        return {};
    }
    return std::get<ProgramRulesDocument>(std::move(parsed));
}

TEST(ProgramRulesText, ReadsTheRules) {
    const ProgramRulesDocument document = Parsed(
        "[programrules]\r\n"
        "  version = 1\r\n"
        "ENABLED=1\n"
        "DefaultProfile=3\n"
        "\n"
        "[Profile2]\n"
        "Program=game.exe\n"
        "program = Spiel für zwei.exe \n"
        "[Profile5]\n"
        "Program=a=b\n");
    ProgramRules expected;
    expected.enabled = true;
    expected.defaultProfile = 3;
    expected.programs[1] = {"game.exe", "Spiel für zwei.exe"};
    expected.programs[4] = {"a=b"};
    EXPECT_EQ(document.rules, expected);
}

TEST(ProgramRulesText, WhatItWritesItReadsBack) {
    ProgramRulesDocument document = NewProgramRulesDocument();
    document.rules.enabled = true;
    document.rules.defaultProfile = 5;
    document.rules.programs[0] = {"firefox"};
    document.rules.programs[3] = {"game.exe", "steam_app_730"};
    const std::string text = PrintProgramRules(document);
    EXPECT_EQ(text,
              "; The programs that choose the ORYN7PX mouse's profile when they come to the front.\n"
              "; Change it with 'oryn7px-cli rules', or here while the program is closed.\n"
              "[ProgramRules]\nVersion=1\nEnabled=1\nDefaultProfile=5\n\n"
              "[Profile1]\nProgram=firefox\n\n"
              "[Profile4]\nProgram=game.exe\nProgram=steam_app_730\n");
    const ProgramRulesDocument again = Parsed(text);
    EXPECT_EQ(again.rules, document.rules);
    EXPECT_EQ(PrintProgramRules(again), text);
}

// A newer program of the same version, or a person, may have added keys, sections and
// comments: a rewrite keeps them all.
TEST(ProgramRulesText, UnknownKeysSectionsAndCommentsAreKept) {
    ProgramRulesDocument document = Parsed(
        "# mine\n"
        "[Sounds]\n"
        "Switch=click.wav\n"
        "; no sound at night\n"
        "[ProgramRules]\n"
        "Version=1\n"
        "Enabled=0\n"
        "Hint=quiet\n"
        "[Profile3]\n"
        "Program=game.exe\n"
        "Icon=game.png\n"
        "[profile2]\n"
        "; kept although the profile lists nothing\n");
    document.rules.programs[2].clear();
    document.rules.programs[0] = {"firefox"};
    EXPECT_EQ(PrintProgramRules(document),
              "# mine\n"
              "[ProgramRules]\nVersion=1\nEnabled=0\nDefaultProfile=1\nHint=quiet\n\n"
              "[Profile1]\nProgram=firefox\n\n"
              "[Profile2]\n; kept although the profile lists nothing\n\n"
              "[Profile3]\nIcon=game.png\n\n"
              "[Sounds]\nSwitch=click.wav\n; no sound at night\n");
}

TEST(ProgramRulesText, DamagedTextIsRefusedWithTheLineToBlame) {
    const std::string head = "[ProgramRules]\nVersion=1\n";
    const struct {
        std::string text;
        RulesFileProblem problem;
    } cases[] = {
        {"", {Kind::kNoVersion, 0, ""}},
        {"[ProgramRules]\nEnabled=1\n", {Kind::kNoVersion, 0, ""}},
        {"[Profile1]\nVersion=1\n", {Kind::kNoVersion, 0, ""}},
        {"[ProgramRules]\nVersion=2\nEnabled=maybe\n", {Kind::kUnknownVersion, 2, "2"}},
        {"[ProgramRules]\nVersion=\n", {Kind::kUnknownVersion, 2, ""}},
        {"[ProgramRules]\nVersion=" + std::string(50, '9') + "\n",
         {Kind::kUnknownVersion, 2, std::string(40, '9') + "\u2026"}},
        {head + "Enabled=yes\n", {Kind::kBadSwitch, 3, "yes"}},
        {head + "DefaultProfile=6\n", {Kind::kBadProfileNumber, 3, "6"}},
        {head + "DefaultProfile=02\n", {Kind::kBadProfileNumber, 3, "02"}},
        {head + "Version=1\n", {Kind::kRepeatedKey, 3, "Version"}},
        {head + "Enabled=1\nenabled=1\n", {Kind::kRepeatedKey, 4, "enabled"}},
        {head + "[Profile2]\n[ProgramRules]\n", {Kind::kRepeatedSection, 4, "ProgramRules"}},
        {head + "[Profile2]\nProgram=\n", {Kind::kBadProgramName, 4, "the program name is empty"}},
        {head + "[Profile2]\nProgram=/usr/bin/game\n",
         {Kind::kBadProgramName, 4,
          "the program name holds a '/': give the executable's file name or the window class, not a path"}},
        {head + "just words\n", {Kind::kMalformedLine, 3, ""}},
        {head + "=1\n", {Kind::kMalformedLine, 3, ""}},
        {head + "[Profile2\n", {Kind::kMalformedLine, 3, ""}},
        {"Enabled=1\n" + head, {Kind::kKeyOutsideSection, 1, ""}},
        {head + "[Profile2]\nProgram=g\xE4me.exe\n", {Kind::kNotUtf8, 4, ""}},
        {head + "; " + std::string(kMaxProgramRulesBytes, 'x') + "\n", {Kind::kTooLarge, 0, ""}},
    };
    for (const auto& c : cases) {
        auto parsed = ParseProgramRules(c.text);
        const auto* problem = std::get_if<RulesFileProblem>(&parsed);
        ASSERT_TRUE(problem) << c.text.substr(0, 80);
        EXPECT_EQ(*problem, c.problem) << c.text.substr(0, 80) << "\ngot line " << problem->line << " kind "
                                       << static_cast<int>(problem->kind) << " " << problem->detail;
    }
}

}  // namespace
}  // namespace oryn7px
