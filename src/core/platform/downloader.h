#pragma once
// Fetching a file from the vendor's web host: the update description and the firmware image.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace oryn7px {

struct DownloadLimits {
    uint32_t connectTimeoutMs = 10'000;
    uint32_t totalTimeoutMs = 60'000;  // the whole transfer, so a trickling server cannot hold a check forever
    uint64_t maxBytes = 64 * 1024;     // a larger answer is refused, whatever the server announces
};

enum class DownloadError { kNone, kHttpStatus, kTimeout, kTooLarge, kCancelled, kRefusedAddress, kNetwork };

struct DownloadResult {
    DownloadError error = DownloadError::kNone;
    std::string reason;  // for people: what went wrong, empty on success
    std::vector<uint8_t> bytes;

    bool Ok() const { return error == DownloadError::kNone; }
};

class Downloader {
public:
    virtual ~Downloader() = default;
    // Synchronous. Only http and https addresses are fetched. `cancel`, when given, is polled
    // during the transfer and ends it with kCancelled once it reads true.
    virtual DownloadResult Fetch(const std::string& url, const DownloadLimits& limits,
                                 const std::atomic<bool>* cancel = nullptr) = 0;
};

}  // namespace oryn7px
