#include "core/app/program_rules_text.h"

#include <optional>
#include <utility>

#include "core/base/utf16.h"

namespace oryn7px {

namespace {

using Kind = RulesFileProblem::Kind;

constexpr std::string_view kRulesSection = "ProgramRules";
constexpr std::string_view kProfileSectionPrefix = "Profile";
constexpr std::string_view kVersionKey = "Version";
constexpr std::string_view kEnabledKey = "Enabled";
constexpr std::string_view kDefaultProfileKey = "DefaultProfile";
constexpr std::string_view kProgramKey = "Program";

// keptLines and the known sections share their numbers: 0 the rules, 1..5 the profiles.
constexpr int kRulesSectionNumber = 0;
constexpr int kNoSection = -1;
constexpr int kUnknownSection = -2;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Section and key names compare as in the other INI files: ASCII case ignored.
bool SameName(std::string_view a, std::string_view b) { return SameProgramName(a, b); }

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        // Windows line ends, and stray carriage returns a rewrite would otherwise keep.
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The number of a known section, or kUnknownSection.
int SectionNumber(std::string_view name) {
    if (SameName(name, kRulesSection)) return kRulesSectionNumber;
    if (name.size() == kProfileSectionPrefix.size() + 1 && SameName(name.substr(0, kProfileSectionPrefix.size()), kProfileSectionPrefix)) {
        const int number = name.back() - '0';
        if (IsProfileNumber(number)) return number;
    }
    return kUnknownSection;
}

// A value from the file as a problem quotes it: a line of the file may be 64 KiB long.
std::string Excerpt(std::string_view value) {
    constexpr std::size_t kLongest = 40;
    if (value.size() <= kLongest) return std::string(value);
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;
    return std::string(value.substr(0, cut)) + "\u2026";
}

std::optional<bool> ParseSwitch(std::string_view value) {
    if (value == "0") return false;
    if (value == "1") return true;
    return std::nullopt;
}

std::optional<int> ParseProfileNumber(std::string_view value) {
    if (value.size() != 1 || !IsProfileNumber(value[0] - '0')) return std::nullopt;
    return value[0] - '0';
}

class Parser {
public:
    std::variant<ProgramRulesDocument, RulesFileProblem> Parse(std::string_view text) {
        if (text.size() > kMaxProgramRulesBytes) return RulesFileProblem{Kind::kTooLarge, 0, {}};
        for (const std::string_view line : Lines(text)) {
            ++lineNumber_;
            ReadLine(line);
        }
        if (!version_) return RulesFileProblem{Kind::kNoVersion, 0, {}};
        if (*version_ != std::to_string(kProgramRulesVersion)) {
            return RulesFileProblem{Kind::kUnknownVersion, versionLine_, Excerpt(*version_)};
        }
        if (problem_) return *problem_;
        return std::move(document_);
    }

private:
    void Note(Kind kind, std::string detail = {}) {
        if (!problem_) problem_ = RulesFileProblem{kind, lineNumber_, std::move(detail)};
    }

    void Keep(std::string_view line) {
        if (section_ == kNoSection) {
            document_.preamble.emplace_back(line);
        } else if (section_ == kUnknownSection) {
            document_.unknownSections.back().lines.emplace_back(line);
        } else {
            document_.keptLines[static_cast<std::size_t>(section_)].emplace_back(line);
        }
    }

    void ReadLine(std::string_view line) {
        if (!IsValidUtf8(line)) return Note(Kind::kNotUtf8);
        const std::string_view trimmed = Trim(line);
        if (trimmed.empty()) return;
        if (trimmed.front() == ';' || trimmed.front() == '#') return Keep(line);
        if (trimmed.front() == '[' && trimmed.back() == ']') return StartSection(line, Trim(trimmed.substr(1, trimmed.size() - 2)));
        const std::size_t equals = trimmed.find('=');
        const std::string_view key = Trim(trimmed.substr(0, equals));
        if (equals == std::string_view::npos || key.empty()) return Note(Kind::kMalformedLine);
        const std::string_view value = Trim(trimmed.substr(equals + 1));
        if (section_ == kNoSection) return Note(Kind::kKeyOutsideSection);
        if (section_ == kUnknownSection) return Keep(line);
        if (section_ == kRulesSectionNumber) return ReadRulesKey(line, key, value);
        ReadProfileKey(line, key, value);
    }

    void StartSection(std::string_view line, std::string_view name) {
        section_ = SectionNumber(name);
        if (section_ == kUnknownSection) {
            document_.unknownSections.push_back({std::string(line), {}});
            return;
        }
        auto& seen = seenSections_[static_cast<std::size_t>(section_)];
        if (seen) Note(Kind::kRepeatedSection, Excerpt(name));
        seen = true;
    }

    void ReadRulesKey(std::string_view line, std::string_view key, std::string_view value) {
        ProgramRules& rules = document_.rules;
        if (SameName(key, kVersionKey)) {
            if (version_) return Note(Kind::kRepeatedKey, Excerpt(key));
            version_ = std::string(value);
            versionLine_ = lineNumber_;
        } else if (SameName(key, kEnabledKey)) {
            if (!FirstTime(seenEnabled_, key)) return;
            const auto enabled = ParseSwitch(value);
            if (!enabled) return Note(Kind::kBadSwitch, Excerpt(value));
            rules.enabled = *enabled;
        } else if (SameName(key, kDefaultProfileKey)) {
            if (!FirstTime(seenDefault_, key)) return;
            const auto profile = ParseProfileNumber(value);
            if (!profile) return Note(Kind::kBadProfileNumber, Excerpt(value));
            rules.defaultProfile = *profile;
        } else {
            Keep(line);
        }
    }

    void ReadProfileKey(std::string_view line, std::string_view key, std::string_view value) {
        if (!SameName(key, kProgramKey)) return Keep(line);
        if (const auto problem = ProgramNameProblem(value)) return Note(Kind::kBadProgramName, *problem);
        document_.rules.programs[static_cast<std::size_t>(section_ - 1)].emplace_back(value);
    }

    bool FirstTime(bool& seen, std::string_view key) {
        if (seen) Note(Kind::kRepeatedKey, Excerpt(key));
        return !std::exchange(seen, true);
    }

    ProgramRulesDocument document_;
    std::optional<RulesFileProblem> problem_;
    std::optional<std::string> version_;
    int versionLine_ = 0;
    int lineNumber_ = 0;
    int section_ = kNoSection;
    std::array<bool, kProfileCount + 1> seenSections_{};
    bool seenEnabled_ = false;
    bool seenDefault_ = false;
};

void AddLine(std::string& text, std::string_view line) {
    text += line;
    text += '\n';
}

void AddLines(std::string& text, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) AddLine(text, line);
}

}  // namespace

ProgramRulesDocument NewProgramRulesDocument() {
    ProgramRulesDocument document;
    document.preamble = {"; The programs that choose the ORYN7PX mouse's profile when they come to the front.",
                         "; Change it with 'oryn7px-cli rules', or here while the program is closed."};
    return document;
}

std::variant<ProgramRulesDocument, RulesFileProblem> ParseProgramRules(std::string_view text) {
    return Parser().Parse(text);
}

std::string PrintProgramRules(const ProgramRulesDocument& document) {
    const ProgramRules& rules = document.rules;
    std::string text;
    AddLines(text, document.preamble);
    AddLine(text, "[" + std::string(kRulesSection) + "]");
    AddLine(text, std::string(kVersionKey) + "=" + std::to_string(kProgramRulesVersion));
    AddLine(text, std::string(kEnabledKey) + "=" + (rules.enabled ? "1" : "0"));
    AddLine(text, std::string(kDefaultProfileKey) + "=" + std::to_string(rules.defaultProfile));
    AddLines(text, document.keptLines[kRulesSectionNumber]);
    for (int profile = 1; profile <= kProfileCount; ++profile) {
        const auto& programs = rules.programs[static_cast<std::size_t>(profile - 1)];
        const auto& kept = document.keptLines[static_cast<std::size_t>(profile)];
        if (programs.empty() && kept.empty()) continue;
        AddLine(text, "");
        AddLine(text, "[" + std::string(kProfileSectionPrefix) + std::to_string(profile) + "]");
        for (const std::string& program : programs) AddLine(text, std::string(kProgramKey) + "=" + program);
        AddLines(text, kept);
    }
    for (const ProgramRulesDocument::KeptSection& section : document.unknownSections) {
        AddLine(text, "");
        AddLine(text, section.header);
        AddLines(text, section.lines);
    }
    return text;
}

}  // namespace oryn7px
