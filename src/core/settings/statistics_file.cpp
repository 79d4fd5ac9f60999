#include "core/settings/statistics_file.h"

#include "core/base/file_read.h"
#include "core/base/path_text.h"
#include "core/base/utf16.h"
#include "core/settings/file_messages.h"
#include "core/settings/file_problems.h"

namespace oryn7px {

StatisticsFile::StatisticsFile(const Paths& paths, FileWriter& writer, UserMessages& messages,
                               const TextSource& texts, bool chinese)
    : path_(paths.DataFolder() / "Sts.cfg"), writer_(writer), messages_(messages), texts_(texts), chinese_(chinese) {}

bool StatisticsFile::LoadStatistics(StsData& data) {
    const FileRead read = ReadRecord(path_, data);
    if (read.error == FileError::kNotFound) messages_.ShowInfoBox(FormatS(kMsgFailedToOpen, PathText(path_)), false);
    if (ExistsButUnreadable(read.error)) {
        unreadable_ = true;
        ShowUnreadable(messages_, chinese_, path_);
    }
    return read.error == FileError::kNone;
}

bool StatisticsFile::SaveStatistics(const StsData& data) {
    // The counts of earlier runs are in a file that could not be read: never replace them with these.
    if (unreadable_) {
        ShowRefusedUnreadable(messages_, chinese_, path_);
        return false;
    }
    const FileError error = writer_.ReplaceFile(path_, RecordBytes(data));
    if (error == FileError::kNotFound) {
        messages_.ShowInfoCaptionBox(FormatS(texts_.Text(kKeyNotFound), PathText(path_)));
    } else if (error == FileError::kAccessDenied) {
        messages_.ShowInfoCaptionBox(texts_.Text(kKeyAccessDeniedSave));
    }
    return error == FileError::kNone;
}

}  // namespace oryn7px
