#pragma once
// Sts.cfg: the six usage counters of the statistics page.
#include <filesystem>

#include "core/i18n/text_source.h"
#include "core/interfaces/file_writer.h"
#include "core/interfaces/paths.h"
#include "core/interfaces/user_messages.h"
#include "core/settings/file_records.h"

namespace oryn7px {

class StatisticsFile {
public:
    // `chinese` picks the language of the messages that are not language-file texts.
    StatisticsFile(const Paths& paths, FileWriter& writer, UserMessages& messages, const TextSource& texts,
                   bool chinese = false);

    // Leaves `data` as it was when the file cannot be read (a missing file is reported; one that
    // exists but cannot be read is reported and never saved over).
    bool LoadStatistics(StsData& data);
    bool SaveStatistics(const StsData& data);
    // Sets every count to 0, unless the file exists but cannot be read: its counts are kept.
    bool ResetStatistics();

    std::filesystem::path StatisticsPath() const { return path_; }

private:
    std::filesystem::path path_;
    FileWriter& writer_;
    UserMessages& messages_;
    const TextSource& texts_;
    const bool chinese_;
    bool unreadable_ = false;
};

}  // namespace oryn7px
