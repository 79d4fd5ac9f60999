#include "platform/linux/curl_downloader.h"

#include <curl/curl.h>

#include <memory>

namespace oryn7px {

namespace {

struct Transfer {
    std::vector<uint8_t> bytes;
    uint64_t maxBytes = 0;
    bool tooLarge = false;
    const std::atomic<bool>* cancel = nullptr;
};

// Counts bytes itself: the size limit of libcurl only works when the server sends a length.
size_t OnData(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const size_t length = size * count;
    if (transfer->bytes.size() + length > transfer->maxBytes) {
        transfer->tooLarge = true;
        return 0;
    }
    transfer->bytes.insert(transfer->bytes.end(), data, data + length);
    return length;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* transfer = static_cast<const Transfer*>(user);
    return transfer->cancel != nullptr && transfer->cancel->load() ? 1 : 0;
}

bool IsWebAddress(const std::string& url) { return url.rfind("http://", 0) == 0 || url.rfind("https://", 0) == 0; }

}  // namespace

CurlDownloader::CurlDownloader() {
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)initialised;
}

DownloadResult CurlDownloader::Fetch(const std::string& url, const DownloadLimits& limits,
                                     const std::atomic<bool>* cancel) {
    if (!IsWebAddress(url)) return {DownloadError::kRefusedAddress, "not an http or https address: " + url, {}};
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) return {DownloadError::kNetwork, "libcurl could not start a transfer", {}};
    Transfer transfer;
    transfer.maxBytes = limits.maxBytes;
    transfer.cancel = cancel;
    char error[CURL_ERROR_SIZE] = "";
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
    // A redirect must not lead to a local file or another protocol either.
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeoutMs));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeoutMs));
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, OnData);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode code = curl_easy_perform(handle);
    if (code == CURLE_OK) return {DownloadError::kNone, {}, std::move(transfer.bytes)};
    const std::string detail = *error != '\0' ? error : curl_easy_strerror(code);
    if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        return {DownloadError::kTooLarge, "the answer is larger than " + std::to_string(limits.maxBytes) + " bytes", {}};
    }
    if (code == CURLE_ABORTED_BY_CALLBACK) return {DownloadError::kCancelled, "cancelled", {}};
    if (code == CURLE_OPERATION_TIMEDOUT) return {DownloadError::kTimeout, detail, {}};
    if (code == CURLE_HTTP_RETURNED_ERROR) {
        long status = 0;
        curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
        return {DownloadError::kHttpStatus, "HTTP " + std::to_string(status), {}};
    }
    return {DownloadError::kNetwork, detail, {}};
}

}  // namespace oryn7px
