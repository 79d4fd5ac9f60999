#pragma once
// Opening the log in a temporary folder that other users share: no symbolic link is followed,
// and neither the folder nor the file may belong to someone else.
#include <sys/types.h>

#include "core/interfaces/log_file.h"

namespace oryn7px {

class SafeLogFileOpener final : public LogFileOpener {
public:
    SafeLogFileOpener();
    // `owner`: the user who must own the folder and the file.
    explicit SafeLogFileOpener(uid_t owner);

    std::unique_ptr<LogFileHandle> Open(const std::filesystem::path& path, bool truncate) override;

private:
    uid_t owner_;
};

}  // namespace oryn7px
