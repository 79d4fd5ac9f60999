#pragma once
// ProgramRules.ini in the data folder: read, noticed when it changes, and edited. A damaged file
// is reported and ignored (following off, no programs), never fatal; an edit moves it aside to
// <name>.invalid before writing the new one.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/app/program_rules.h"
#include "core/app/program_rules_text.h"
#include "core/base/result.h"
#include "core/interfaces/file_writer.h"

namespace oryn7px {

// Enough to tell that a file was written, replaced, created or removed, without reading it.
struct FileStamp {
    bool present = false;
    std::filesystem::file_time_type modified{};
    std::uintmax_t size = 0;

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::filesystem::path& path);

struct RulesReading {
    ProgramRules rules;                       // the defaults when the file is missing or damaged
    std::optional<RulesFileProblem> problem;  // why the file was ignored
};

struct RulesEdited {
    ProgramRules rules;                               // as written
    std::optional<RulesFileProblem> replacedProblem;  // the damaged file the edit replaced
    std::optional<std::filesystem::path> keptAs;    // where it was moved
};

class ProgramRulesFile {
public:
    ProgramRulesFile(std::filesystem::path path, FileWriter& writer) : path_(std::move(path)), writer_(writer) {}

    const std::filesystem::path& Path() const { return path_; }

    RulesReading Read();
    // The reading when the file changed since the last Read (or was never read); a few system
    // calls, cheap enough for every change of the program in front.
    std::optional<RulesReading> ReadIfChanged();

    // Reads the file as it is now, lets `edit` change the rules and writes them back with
    // everything else the file held. A damaged file is moved aside and the edit starts from the
    // defaults (it comes back when the write fails); a file that cannot be read, or moved, is
    // left alone and the edit fails.
    Result<RulesEdited> Edit(const std::function<void(ProgramRules&)>& edit);

private:
    std::filesystem::path path_;
    FileWriter& writer_;
    std::optional<FileStamp> lastRead_;
};

}  // namespace oryn7px
