#include "core/firmware/firmware_download.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "core/base/file_read.h"
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

Result<UpdateDescription> DownloadUpdateDescription(Downloader& downloader, FileWriter& writer, StringTable& strings,
                                                    const std::string& url, const std::filesystem::path& file,
                                                    const std::atomic<bool>* cancel, const DownloadLimits& limits) {
    const Result<std::vector<uint8_t>> fetched = downloader.Fetch(url, limits, cancel);
    if (!fetched) return fetched.Failure();
    Result<UpdateDescription> description = ParseUpdateDescription(strings, *fetched);
    if (!description) return description;
    if (const Status written = Write(writer, file, *fetched); !written) return written.Failure();
    return description;
}

Status DownloadImage(Downloader& downloader, FileWriter& writer, const std::string& url, const std::string& sha256,
                     const std::filesystem::path& file, const std::atomic<bool>* cancel, const DownloadLimits& limits) {
    if (url.empty()) return Error{ErrorKind::kInvalidData, "the update description names no firmware image"};
    const Result<std::vector<uint8_t>> fetched = downloader.Fetch(url, limits, cancel);
    if (!fetched) return fetched.Failure();
    if (!sha256.empty()) {
        const std::string actual = Sha256Hex(*fetched);
        if (actual != Lowered(sha256)) {
            return Error{ErrorKind::kInvalidData, "the image's SHA-256 is " + actual + ", expected " + sha256};
        }
    }
    return Write(writer, file, *fetched);
}

bool ImageHasDigest(const std::filesystem::path& file, const std::string& sha256) {
    if (sha256.empty()) return true;
    // One byte more than an image may have, so an oversized file is known as such.
    std::vector<uint8_t> bytes(kImageLimits.maxBytes + 1);
    const Result<std::size_t> read = ReadFileUpTo(file, bytes.data(), bytes.size());
    if (!read || *read > kImageLimits.maxBytes) return false;
    return Sha256Hex(std::span(bytes.data(), *read)) == Lowered(sha256);
}

}  // namespace oryn7px
