#include "core/settings/statistics_file.h"

#include "core/base/file_read.h"
#include "core/base/path_text.h"
#include "core/base/utf16.h"
#include "core/settings/data_files.h"
#include "core/settings/file_messages.h"
#include "core/settings/file_problems.h"

namespace oryn7px {

StatisticsFile::StatisticsFile(const Paths& paths, FileWriter& writer, UserMessages& messages,
                               const TextSource& texts, bool chinese)
    : path_(StatisticsPathOf(paths.DataFolder())), writer_(writer), messages_(messages), texts_(texts), chinese_(chinese) {}

bool StatisticsFile::LoadStatistics(StsData& data) {
    const Result<std::size_t> read = ReadRecord(path_, data);
    if (read.FailedWith(ErrorKind::kNotFound)) messages_.ShowInfoBox(FormatS(kMsgFailedToOpen, PathText(path_)), false);
    if (ExistsButUnreadable(read)) {
        unreadable_ = true;
        ShowUnreadable(messages_, chinese_, path_);
    }
    return read.Ok();
}

bool StatisticsFile::SaveStatistics(const StsData& data) {
    // The counts of earlier runs are in a file that could not be read: never replace them with these.
    if (unreadable_) {
        ShowRefusedUnreadable(messages_, chinese_, path_);
        return false;
    }
    const Status saved = writer_.ReplaceFile(path_, RecordBytes(data));
    if (saved.FailedWith(ErrorKind::kNotFound)) {
        messages_.ShowInfoCaptionBox(FormatS(texts_.Text(kKeyNotFound), PathText(path_)));
    } else if (saved.FailedWith(ErrorKind::kAccessDenied)) {
        messages_.ShowInfoCaptionBox(texts_.Text(kKeyAccessDeniedSave));
    } else if (!saved) {
        ShowFileProblem(messages_, chinese_, saved.Failure(), path_);
    }
    return saved.Ok();
}

bool StatisticsFile::ResetStatistics() {
    StsData earlier{};
    const Result<std::size_t> read = ReadRecord(path_, earlier);
    // A FIFO, device or folder in its place is not written either: say what it is.
    if (read.FailedWith(ErrorKind::kNotRegular)) {
        ShowFileProblem(messages_, chinese_, read.Failure(), path_);
        return false;
    }
    if (ExistsButUnreadable(read)) unreadable_ = true;
    return SaveStatistics({});
}

}  // namespace oryn7px
