// Any bytes as ProgramRules.ini: a problem or rules, never a crash; and rules written back read
// as the same rules, the written text settling after one round.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/app/program_rules_text.h"

namespace {

using oryn7px::ProgramRulesDocument;

const ProgramRulesDocument* Document(const std::variant<ProgramRulesDocument, oryn7px::RulesFileProblem>& parsed) {
    return std::get_if<ProgramRulesDocument>(&parsed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto parsed = oryn7px::ParseProgramRules(std::string_view(reinterpret_cast<const char*>(data), size));
    const ProgramRulesDocument* document = Document(parsed);
    if (document == nullptr) return 0;
    const std::string written = oryn7px::PrintProgramRules(*document);
    // A text grown past the limit is never written (the edit is refused).
    if (written.size() > oryn7px::kMaxProgramRulesBytes) return 0;
    const auto again = oryn7px::ParseProgramRules(written);
    const ProgramRulesDocument* reread = Document(again);
    if (reread == nullptr || !(reread->rules == document->rules)) __builtin_trap();
    const std::string rewritten = oryn7px::PrintProgramRules(*reread);
    const auto third = oryn7px::ParseProgramRules(rewritten);
    if (Document(third) == nullptr || oryn7px::PrintProgramRules(*Document(third)) != rewritten) __builtin_trap();
    return 0;
}
