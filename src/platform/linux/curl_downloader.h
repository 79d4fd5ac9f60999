#pragma once
// Downloads through libcurl: http and https only, bounded in time and size.
#include "core/platform/downloader.h"

namespace oryn7px {

class CurlDownloader final : public Downloader {
public:
    // Initialises libcurl once for the process (thread-safe since libcurl 7.84).
    CurlDownloader();

    DownloadResult Fetch(const std::string& url, const DownloadLimits& limits,
                         const std::atomic<bool>* cancel = nullptr) override;
};

}  // namespace oryn7px
