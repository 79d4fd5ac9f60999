// ProgramRules.ini on disk: a missing file, a damaged one (reported, ignored, kept before any
// edit writes over it), noticing changes, and edits that keep what the file held.
#include "core/app/program_rules_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/settings/data_files.h"
#include "core/support/settings_fixture.h"
#include "core/i18n/temp_dir.h"

namespace oryn7px {
namespace {

using Kind = RulesFileProblem::Kind;

std::string Text(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ProgramRulesFileTest : public ::testing::Test {
protected:
    void Put(std::string_view text) { temp.Write("ProgramRules.ini", text); }
    void AddGame(ProgramRules& rules) { AddProgram(rules, 2, "game.exe"); }

    testing::TempDir temp;
    testing::FaultyWriter writer;
    const std::filesystem::path path = ProgramRulesPathOf(temp.path());
    ProgramRulesFile file{path, writer};
};

TEST_F(ProgramRulesFileTest, AMissingFileIsTheDefaultsAndNoProblem) {
    const RulesReading reading = file.Read();
    EXPECT_EQ(reading.rules, ProgramRules{});
    EXPECT_FALSE(reading.problem);
    EXPECT_FALSE(std::filesystem::exists(path));  // reading writes nothing
}

TEST_F(ProgramRulesFileTest, ADamagedFileIsReportedIgnoredAndLeftAsItIs) {
    const std::string damaged = "[ProgramRules]\nVersion=1\nEnabled=1\n[Profile2]\nProgram=game.exe\nbroken\n";
    Put(damaged);
    const RulesReading reading = file.Read();
    EXPECT_EQ(reading.rules, ProgramRules{});  // following off, no programs
    EXPECT_EQ(reading.problem, (RulesFileProblem{Kind::kMalformedLine, 6, ""}));
    EXPECT_EQ(Text(path), damaged);
    EXPECT_TRUE(writer.writes.empty());
}

TEST_F(ProgramRulesFileTest, AFileThatCannotBeReadIsReported) {
    std::filesystem::create_directory(path);
    const RulesReading reading = file.Read();
    ASSERT_TRUE(reading.problem);
    EXPECT_EQ(reading.problem->kind, Kind::kUnreadable);
    EXPECT_NE(reading.problem->detail.find("not a regular file"), std::string::npos);
    // Nor is it edited: nothing is known of what it holds.
    const Result<RulesEdited> edited = file.Edit([this](ProgramRules& r) { AddGame(r); });
    ASSERT_FALSE(edited);
    EXPECT_EQ(edited.Failure().kind, ErrorKind::kNotRegular);
    EXPECT_TRUE(writer.writes.empty());
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(ProgramRulesFileTest, ChangesAreNoticedWithoutReading) {
    EXPECT_TRUE(file.ReadIfChanged());  // never read
    EXPECT_FALSE(file.ReadIfChanged());
    ASSERT_TRUE(file.Edit([](ProgramRules& r) { r.enabled = true; }));  // created
    const auto created = file.ReadIfChanged();
    ASSERT_TRUE(created);
    EXPECT_TRUE(created->rules.enabled);
    EXPECT_FALSE(file.ReadIfChanged());
    ASSERT_TRUE(file.Edit([this](ProgramRules& r) { AddGame(r); }));  // replaced
    const auto replaced = file.ReadIfChanged();
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->rules.programs[1], std::vector<std::string>{"game.exe"});
    std::filesystem::remove(path);
    const auto removed = file.ReadIfChanged();
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->rules, ProgramRules{});
    EXPECT_FALSE(file.ReadIfChanged());
}

TEST_F(ProgramRulesFileTest, AnEditKeepsWhatTheFileHeld) {
    Put("; mine\n[ProgramRules]\nVersion=1\nEnabled=1\nSound=on\n[Profile3]\nProgram=firefox\n[Later]\nx=1\n");
    const Result<RulesEdited> edited = file.Edit([this](ProgramRules& r) { AddGame(r); });
    ASSERT_TRUE(edited);
    EXPECT_FALSE(edited->replacedProblem);
    EXPECT_EQ(edited->rules.programs[1], std::vector<std::string>{"game.exe"});
    EXPECT_EQ(Text(path),
              "; mine\n[ProgramRules]\nVersion=1\nEnabled=1\nDefaultProfile=1\nSound=on\n\n"
              "[Profile2]\nProgram=game.exe\n\n[Profile3]\nProgram=firefox\n\n[Later]\nx=1\n");
    EXPECT_EQ(writer.writes, std::vector<std::filesystem::path>{path});  // through the atomic writer
}

TEST_F(ProgramRulesFileTest, AnEditOverADamagedFileKeepsItsBytesFirst) {
    const std::string damaged = "[ProgramRules]\nVersion=7\n[Profile2]\nProgram=old.exe\n";
    Put(damaged);
    temp.Write("ProgramRules.ini.invalid", "an earlier one");
    const Result<RulesEdited> edited = file.Edit([this](ProgramRules& r) { AddGame(r); });
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->replacedProblem, (RulesFileProblem{Kind::kUnknownVersion, 2, "7"}));
    ASSERT_TRUE(edited->keptAs);
    EXPECT_EQ(*edited->keptAs, temp.path() / "ProgramRules.ini.invalid.2");
    EXPECT_EQ(Text(*edited->keptAs), damaged);
    EXPECT_EQ(Text(temp.path() / "ProgramRules.ini.invalid"), "an earlier one");
    // The edit starts from the defaults.
    const RulesReading reading = file.Read();
    EXPECT_FALSE(reading.problem);
    ProgramRules expected;
    expected.programs[1] = {"game.exe"};
    EXPECT_EQ(reading.rules, expected);
}

TEST_F(ProgramRulesFileTest, AFailedWriteLeavesTheFileAsItWas) {
    for (const std::string before : {"[ProgramRules]\nVersion=1\nEnabled=0\n", "[ProgramRules]\nVersion=9\n"}) {
        Put(before);
        writer.failAll = ErrorKind::kIo;
        const Result<RulesEdited> edited = file.Edit([](ProgramRules& r) { r.enabled = true; });
        ASSERT_FALSE(edited);
        EXPECT_EQ(edited.Failure().kind, ErrorKind::kIo);
        EXPECT_EQ(Text(path), before);
        EXPECT_FALSE(std::filesystem::exists(temp.path() / "ProgramRules.ini.invalid"));
    }
}

// Written larger than a rules file may be, it would be refused as damaged when read back.
TEST_F(ProgramRulesFileTest, AnEditThatWouldNotFitIsRefused) {
    const Result<RulesEdited> edited = file.Edit([](ProgramRules& r) {
        for (int n = 0; n < 4000; ++n) r.programs[0].push_back("program-" + std::to_string(n) + ".exe");
    });
    ASSERT_FALSE(edited);
    EXPECT_EQ(edited.Failure().kind, ErrorKind::kTooLarge);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace oryn7px
