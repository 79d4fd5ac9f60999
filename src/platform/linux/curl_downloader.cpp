#include "platform/linux/curl_downloader.h"

// The calls go through pointers from dlopen: the checking macros would rename them.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <dlfcn.h>

#include <memory>
#include <type_traits>

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

// The libcurl calls in use, from the library opened once for the process and never closed.
struct Curl {
    decltype(&curl_global_init) global_init = nullptr;
    decltype(&curl_easy_init) easy_init = nullptr;
    decltype(&curl_easy_cleanup) easy_cleanup = nullptr;
    decltype(&curl_easy_setopt) easy_setopt = nullptr;
    decltype(&curl_easy_perform) easy_perform = nullptr;
    decltype(&curl_easy_getinfo) easy_getinfo = nullptr;
    decltype(&curl_easy_strerror) easy_strerror = nullptr;
    std::string error;  // why libcurl cannot be used; empty when it can
};

Curl OpenCurl() {
    Curl curl;
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        curl.error = dlerror();
        return curl;
    }
    auto bind = [&curl, library](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
        if (function == nullptr && curl.error.empty()) curl.error = std::string("libcurl.so.4 has no ") + name;
    };
    bind(curl.global_init, "curl_global_init");
    bind(curl.easy_init, "curl_easy_init");
    bind(curl.easy_cleanup, "curl_easy_cleanup");
    bind(curl.easy_setopt, "curl_easy_setopt");
    bind(curl.easy_perform, "curl_easy_perform");
    bind(curl.easy_getinfo, "curl_easy_getinfo");
    bind(curl.easy_strerror, "curl_easy_strerror");
    if (curl.error.empty() && curl.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) curl.error = "libcurl could not start";
    return curl;
}

const Curl& TheCurl() {
    static const Curl curl = OpenCurl();
    return curl;
}

}  // namespace

Result<std::vector<uint8_t>> CurlDownloader::Fetch(const std::string& url, const DownloadLimits& limits,
                                                   const std::atomic<bool>* cancel) {
    if (!IsWebAddress(url)) return Error{ErrorKind::kInvalidArgument, "not an http or https address: " + url};
    const Curl& library = TheCurl();
    if (!library.error.empty()) return Error{ErrorKind::kIo, "cannot use libcurl: " + library.error};
    const std::unique_ptr<CURL, decltype(library.easy_cleanup)> curl(library.easy_init(), library.easy_cleanup);
    if (!curl) return Error{ErrorKind::kIo, "libcurl could not start a transfer"};
    Transfer transfer;
    transfer.maxBytes = limits.maxBytes;
    transfer.cancel = cancel;
    char error[CURL_ERROR_SIZE] = "";
    CURL* handle = curl.get();
    library.easy_setopt(handle, CURLOPT_URL, url.c_str());
    library.easy_setopt(handle, CURLOPT_ERRORBUFFER, error);
    library.easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    library.easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
    library.easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    library.easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
    // A redirect must not lead to a local file or another protocol either.
    library.easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    library.easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    library.easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeoutMs));
    library.easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeoutMs));
    library.easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    library.easy_setopt(handle, CURLOPT_WRITEFUNCTION, OnData);
    library.easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    library.easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    library.easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, OnProgress);
    library.easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode code = library.easy_perform(handle);
    if (code == CURLE_OK) return std::move(transfer.bytes);
    const std::string detail = *error != '\0' ? error : library.easy_strerror(code);
    if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        return Error{ErrorKind::kTooLarge, "the answer is larger than " + std::to_string(limits.maxBytes) + " bytes"};
    }
    if (code == CURLE_ABORTED_BY_CALLBACK) return Error{ErrorKind::kCancelled, "cancelled"};
    if (code == CURLE_OPERATION_TIMEDOUT) return Error{ErrorKind::kTimedOut, detail};
    if (code == CURLE_HTTP_RETURNED_ERROR) {
        long status = 0;
        library.easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
        return Error{ErrorKind::kRefused, "HTTP " + std::to_string(status)};
    }
    return Error{ErrorKind::kIo, detail};
}

}  // namespace oryn7px
