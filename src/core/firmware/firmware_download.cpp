#include "core/firmware/firmware_download.h"

#include <algorithm>
#include <cctype>

#include "core/base/sha256.h"

namespace oryn7px {

namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

Status Write(FileWriter& writer, const std::filesystem::path& file, std::span<const uint8_t> bytes) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    if (const Status written = writer.ReplaceFile(file, bytes); !written) {
        return Error{written.Failure().kind, "cannot write " + file.string()};
    }
    return {};
}

}  // namespace

Status DownloadUpdateDescription(Downloader& downloader, FileWriter& writer, const std::string& url,
                                 const std::filesystem::path& file, const std::atomic<bool>* cancel,
                                 const DownloadLimits& limits) {
    const Result<std::vector<uint8_t>> fetched = downloader.Fetch(url, limits, cancel);
    if (!fetched) return fetched.Failure();
    return Write(writer, file, *fetched);
}

Status DownloadImage(Downloader& downloader, FileWriter& writer, const std::string& url, const std::string& sha256,
                     const std::filesystem::path& file, const std::atomic<bool>* cancel, const DownloadLimits& limits) {
    if (url.empty()) return Error{ErrorKind::kInvalidData, "the update description names no firmware image"};
    const Result<std::vector<uint8_t>> fetched = downloader.Fetch(url, limits, cancel);
    if (!fetched) return fetched.Failure();
    if (!sha256.empty()) {
        const std::string actual = Sha256Hex(*fetched);
        if (actual != Lowered(sha256)) {
            // An image left from an earlier download is not the one offered now either.
            std::error_code ignored;
            std::filesystem::remove(file, ignored);
            return Error{ErrorKind::kInvalidData, "the image's SHA-256 is " + actual + ", expected " + sha256};
        }
    }
    return Write(writer, file, *fetched);
}

}  // namespace oryn7px
