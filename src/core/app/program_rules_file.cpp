#include "core/app/program_rules_file.h"

#include <string>
#include <system_error>
#include <variant>

#include "core/base/file_read.h"
#include "core/settings/data_files.h"

namespace oryn7px {

namespace {

// The file's text; nothing when there is no file.
Result<std::optional<std::string>> ReadText(const std::filesystem::path& path) {
    // One byte more than a rules file may hold tells a file that is too large.
    std::string text(kMaxProgramRulesBytes + 1, '\0');
    const Result<std::size_t> read = ReadFileUpTo(path, text.data(), text.size());
    if (read.FailedWith(ErrorKind::kNotFound)) return std::optional<std::string>();
    if (!read) return read.Failure();
    text.resize(*read);
    return std::optional<std::string>(std::move(text));
}

std::variant<ProgramRulesDocument, RulesFileProblem> Load(const std::filesystem::path& path) {
    const Result<std::optional<std::string>> text = ReadText(path);
    if (!text) return RulesFileProblem{RulesFileProblem::Kind::kUnreadable, 0, text.Failure().message};
    if (!*text) return NewProgramRulesDocument();
    return ParseProgramRules(**text);
}

// Moved, not copied: a link is moved as it is, never followed, and a huge file costs nothing.
Result<std::filesystem::path> SetAside(const std::filesystem::path& path) {
    const auto kept = RejectedFileName(path);
    if (!kept) return Error{ErrorKind::kIo, path.string() + ": no free name to keep it under"};
    std::error_code ec;
    std::filesystem::rename(path, *kept, ec);
    if (ec) return Error{ErrorKind::kIo, kept->string() + ": " + ec.message()};
    return *kept;
}

}  // namespace

FileStamp StampOf(const std::filesystem::path& path) {
    std::error_code ec;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, ec);
    if (ec) return {};
    stamp.modified = std::filesystem::last_write_time(path, ec);
    if (ec) return {};
    stamp.present = true;
    return stamp;
}

RulesReading ProgramRulesFile::Read() {
    // Taken before the read: a change while reading shows as a change next time.
    lastRead_ = StampOf(path_);
    auto loaded = Load(path_);
    if (auto* problem = std::get_if<RulesFileProblem>(&loaded)) return {ProgramRules{}, std::move(*problem)};
    return {std::get<ProgramRulesDocument>(loaded).rules, std::nullopt};
}

std::optional<RulesReading> ProgramRulesFile::ReadIfChanged() {
    if (lastRead_ && *lastRead_ == StampOf(path_)) return std::nullopt;
    return Read();
}

Result<RulesEdited> ProgramRulesFile::Edit(const std::function<void(ProgramRules&)>& edit) {
    const Result<std::optional<std::string>> text = ReadText(path_);
    if (!text) return text.Failure();
    RulesEdited result;
    std::variant<ProgramRulesDocument, RulesFileProblem> parsed = NewProgramRulesDocument();
    if (*text) parsed = ParseProgramRules(**text);
    if (auto* problem = std::get_if<RulesFileProblem>(&parsed)) {
        result.replacedProblem = std::move(*problem);
        parsed = NewProgramRulesDocument();
    }
    ProgramRulesDocument& document = std::get<ProgramRulesDocument>(parsed);
    edit(document.rules);
    const std::string written = PrintProgramRules(document);
    // Written larger, the file would be refused as damaged when read back.
    if (written.size() > kMaxProgramRulesBytes) {
        return Error{ErrorKind::kTooLarge, path_.string() + ": the rules would not fit in 64 KiB"};
    }
    if (result.replacedProblem) {
        const Result<std::filesystem::path> kept = SetAside(path_);
        if (!kept) return kept.Failure();
        result.keptAs = *kept;
    }
    const Status replaced =
        writer_.ReplaceFile(path_, {reinterpret_cast<const uint8_t*>(written.data()), written.size()});
    if (!replaced) {
        // The damaged file goes back rather than leave no file.
        std::error_code ec;
        if (result.keptAs) std::filesystem::rename(*result.keptAs, path_, ec);
        return replaced.Failure();
    }
    result.rules = document.rules;
    return result;
}

}  // namespace oryn7px
