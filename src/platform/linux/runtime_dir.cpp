#include "platform/linux/runtime_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace oryn7px {

namespace {

bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 0077) == 0;
}

}  // namespace

std::string UserRuntimeDir() {
    if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg && IsPrivateFolder(xdg)) return xdg;
    const char* tmp = std::getenv("TMPDIR");
    const std::string fallback = std::string(tmp && *tmp ? tmp : "/tmp") + "/oryn7px-" + std::to_string(getuid());
    if (mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST) return {};
    return IsPrivateFolder(fallback) ? fallback : std::string();
}

}  // namespace oryn7px
