#pragma once
// Why a file operation failed; the messages shown depend on it.

namespace oryn7px {

enum class FileError {
    kNone,
    kNotFound,
    kAccessDenied,
    kOther,
    kNotRegular,   // a folder, device, FIFO or socket: never read or replaced
    kForeignLink,  // a symbolic link to a file the running user does not own: never written through
};

}  // namespace oryn7px
