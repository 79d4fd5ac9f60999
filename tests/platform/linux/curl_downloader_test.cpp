#include "platform/linux/curl_downloader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "core/base/sha256.h"
#include "core/firmware/firmware_download.h"
#include "platform/linux/linux_file_writer.h"
#include "support/local_http_server.h"

namespace oryn7px::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CurlDownloaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/oryn7px-http-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = new fs::path(pattern);
        std::ofstream(*root_ / "update.xml") << "<u><firmware><current>104</current></firmware></u>";
        std::ofstream(*root_ / "big.bin") << std::string(70 * 1024, 'x');
        std::ofstream(*root_ / "image.bin") << "firmware 104";
        server_ = new LocalHttpServer(*root_);
    }
    static void TearDownTestSuite() {
        delete server_;
        fs::remove_all(*root_);
        delete root_;
    }
    void SetUp() override { ASSERT_TRUE(server_->Running()) << "python3 could not serve"; }

    static std::string Url(const std::string& path) { return server_->Url(path); }

    CurlDownloader downloader;
    static inline fs::path* root_ = nullptr;
    static inline LocalHttpServer* server_ = nullptr;
};

TEST_F(CurlDownloaderTest, FetchesAFile) {
    const Result<std::vector<uint8_t>> result = downloader.Fetch(Url("/update.xml"), DownloadLimits{});
    ASSERT_TRUE(result.Ok()) << result.Failure().message;
    EXPECT_EQ(std::string(result->begin(), result->end()), ReadText(*root_ / "update.xml"));
}

TEST_F(CurlDownloaderTest, FailuresSayWhy) {
    struct Case {
        std::string url;
        DownloadLimits limits;
        ErrorKind kind;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {Url("/missing.xml"), {}, ErrorKind::kRefused, "HTTP 404"},
        {Url("/slow/3000/update.xml"), {10'000, 500, 64 * 1024}, ErrorKind::kTimedOut, "timed out"},
        {Url("/big.bin"), {}, ErrorKind::kTooLarge, "larger than 65536 bytes"},
        {Url("/unsized/big.bin"), {}, ErrorKind::kTooLarge, "larger than 65536 bytes"},
        {"file://" + (*root_ / "update.xml").string(), {}, ErrorKind::kInvalidArgument, "not an http"},
        {"http://127.0.0.1:1/nothing-listens", {}, ErrorKind::kIo, ""},
    };
    for (const Case& c : cases) {
        const Result<std::vector<uint8_t>> result = downloader.Fetch(c.url, c.limits);
        ASSERT_FALSE(result.Ok()) << c.url;
        const Error& failure = result.Failure();
        EXPECT_EQ(failure.kind, c.kind) << c.url << ": " << failure.message;
        EXPECT_NE(failure.message.find(c.reason), std::string::npos) << c.url << ": " << failure.message;
        EXPECT_FALSE(failure.message.empty()) << c.url;
    }
}

TEST_F(CurlDownloaderTest, ACancelledTransferEndsWithoutWaitingForTheServer) {
    std::atomic<bool> cancel{false};
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        cancel = true;
    });
    const Result<std::vector<uint8_t>> result =
        downloader.Fetch(Url("/slow/20000/update.xml"), DownloadLimits{}, &cancel);
    canceller.join();
    ASSERT_FALSE(result.Ok());
    EXPECT_EQ(result.Failure().kind, ErrorKind::kCancelled) << result.Failure().message;
}

TEST_F(CurlDownloaderTest, TheImageIsWrittenWholeOnlyWhenItsDigestMatches) {
    char pattern[] = "/tmp/oryn7px-image-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path image = fs::path(pattern) / "new_version" / "TavikGameDevice.bin";
    LinuxFileWriter writer;
    const std::string good = Sha256Hex(std::span(reinterpret_cast<const uint8_t*>("firmware 104"), 12));

    const Status wrong = DownloadImage(downloader, writer, Url("/image.bin"), std::string(64, '0'), image);
    ASSERT_FALSE(wrong.Ok());
    EXPECT_NE(wrong.Failure().message.find("SHA-256"), std::string::npos) << wrong.Failure().message;
    EXPECT_FALSE(fs::exists(image));

    const Status missing = DownloadImage(downloader, writer, Url("/gone.bin"), good, image);
    ASSERT_FALSE(missing.Ok());
    EXPECT_EQ(missing.Failure().message, "HTTP 404");
    EXPECT_FALSE(fs::exists(image));

    const Status right = DownloadImage(downloader, writer, Url("/image.bin"), good, image);
    EXPECT_TRUE(right.Ok());
    EXPECT_EQ(ReadText(image), "firmware 104");
    // Nothing but the image is left in its folder: no temporary pieces.
    EXPECT_EQ(std::distance(fs::directory_iterator(image.parent_path()), fs::directory_iterator()), 1);
    fs::remove_all(pattern);
}

}  // namespace
}  // namespace oryn7px::testing
