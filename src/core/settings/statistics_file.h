#pragma once
// Sts.cfg: the six usage counters of the statistics page.
#include <filesystem>

#include "core/i18n/text_source.h"
#include "core/platform/file_writer.h"
#include "core/platform/paths.h"
#include "core/platform/user_messages.h"
#include "core/settings/records.h"

namespace oryn7px {

class StatisticsFile {
public:
    StatisticsFile(const Paths& paths, FileWriter& writer, UserMessages& messages, const TextSource& texts);

    // Leaves `data` as it was when the file cannot be read (a missing file is reported).
    bool LoadStatistics(StsData& data);
    bool SaveStatistics(const StsData& data);

    std::filesystem::path StatisticsPath() const { return path_; }

private:
    std::filesystem::path path_;
    FileWriter& writer_;
    UserMessages& messages_;
    const TextSource& texts_;
};

}  // namespace oryn7px
