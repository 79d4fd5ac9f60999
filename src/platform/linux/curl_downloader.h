#pragma once
// Downloads through libcurl: http and https only, bounded in time and size. libcurl is opened
// at the first download, not at start-up: with its TLS and authentication libraries it adds
// about 8 MB to a run, and most runs never download.
#include "core/interfaces/downloader.h"

namespace oryn7px {

class CurlDownloader final : public Downloader {
public:
    Result<std::vector<uint8_t>> Fetch(const std::string& url, const DownloadLimits& limits,
                                       const std::atomic<bool>* cancel = nullptr) override;
};

}  // namespace oryn7px
