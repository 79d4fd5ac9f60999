#pragma once
// Fetching a file from the vendor's web host: the update description and the firmware image.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/result.h"

namespace oryn7px {

struct DownloadLimits {
    uint32_t connectTimeoutMs = 10'000;
    uint32_t totalTimeoutMs = 60'000;  // the whole transfer, so a trickling server cannot hold a check forever
    uint64_t maxBytes = 64 * 1024;     // a larger answer is refused, whatever the server announces
};

class Downloader {
public:
    virtual ~Downloader() = default;
    // Synchronous; gives the answer's bytes. Only http and https addresses are fetched (else
    // kInvalidArgument). `cancel`, when given, is polled during the transfer and ends it with
    // kCancelled once it reads true. An HTTP error status is kRefused, a time limit kTimedOut, an
    // answer above maxBytes kTooLarge, anything else the network reports kIo.
    virtual Result<std::vector<uint8_t>> Fetch(const std::string& url, const DownloadLimits& limits,
                                               const std::atomic<bool>* cancel = nullptr) = 0;
};

}  // namespace oryn7px
