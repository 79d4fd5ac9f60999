#pragma once
// ProgramRules.ini as text. Version 1:
//
//   ; comments start with ';' or '#'
//   [ProgramRules]
//   Version=1
//   Enabled=1
//   DefaultProfile=1
//
//   [Profile2]
//   Program=game.exe
//   Program=steam_app_730
//
// UTF-8, one setting a line; section and key names ignore case, as in the other INI files.
// Sections [Profile1] to [Profile5] list the programs of each profile. Keys and sections this
// version does not know, and comments, are kept when the file is written again: unknown keys
// and comments stay in their section, unknown sections follow the known ones.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/app/program_rules.h"

namespace oryn7px {

inline constexpr int kProgramRulesVersion = 1;
// Rules for a few thousand programs; a larger file is not one of ours.
inline constexpr std::size_t kMaxProgramRulesBytes = 64 * 1024;

// Why a rules file is not used. Line numbers count from 1; 0 where no line is to blame.
struct RulesFileProblem {
    enum class Kind {
        kUnreadable,        // detail: the system's reason
        kTooLarge,
        kNotUtf8,
        kMalformedLine,     // neither a comment, a [section] nor key=value
        kKeyOutsideSection,
        kBadSwitch,         // Enabled is not 0 or 1
        kBadProfileNumber,  // DefaultProfile is not 1..5
        kBadProgramName,    // detail: why
        kRepeatedKey,       // detail: the key
        kRepeatedSection,   // detail: the section
        kNoVersion,
        kUnknownVersion,    // detail: the version found
    };
    Kind kind = Kind::kMalformedLine;
    int line = 0;
    std::string detail;

    bool operator==(const RulesFileProblem&) const = default;
};

// The rules with what the file held beyond them, so a rewrite keeps it.
struct ProgramRulesDocument {
    struct KeptSection {
        std::string header;  // the "[name]" line as it was
        std::vector<std::string> lines;
    };

    ProgramRules rules;
    std::vector<std::string> preamble;  // comments before the first section
    // Comments and unknown keys of [ProgramRules] (entry 0) and of [Profile1..5] (entries 1..5).
    std::array<std::vector<std::string>, kProfileCount + 1> keptLines;
    std::vector<KeptSection> unknownSections;
};

// A document for a file that does not exist yet: default rules and a comment that says what it is.
ProgramRulesDocument NewProgramRulesDocument();

// The document, or the first problem found: a file of an unknown version is reported as that,
// whatever else it holds.
std::variant<ProgramRulesDocument, RulesFileProblem> ParseProgramRules(std::string_view text);

std::string PrintProgramRules(const ProgramRulesDocument& document);

}  // namespace oryn7px
