#include "platform/linux/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <system_error>

namespace oryn7px {

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::string temp = path.string() + ".XXXXXX";
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < content.size();) {
        const ssize_t n = write(fd, content.data() + done, content.size() - done);
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
    return ok;
}

}  // namespace oryn7px
