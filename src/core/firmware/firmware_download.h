#pragma once
// Fetching the update description and the firmware image into the update folder. A file is
// written only whole and only after every check passed; a failed download leaves the old file.
#include <atomic>
#include <filesystem>
#include <string>

#include "core/firmware/update_description.h"
#include "core/interfaces/downloader.h"
#include "core/interfaces/file_writer.h"

namespace oryn7px {

inline constexpr DownloadLimits kDescriptionLimits{10'000, 30'000, 64 * 1024};
inline constexpr DownloadLimits kImageLimits{10'000, 300'000, 16 * 1024 * 1024};

// Downloads update.xml from `url` and stores it over `file` only when it reads as a description,
// so a bad answer keeps the description before it. A failure's message says why, for people;
// kInvalidData is a description that cannot be read (no other step fails with it).
Result<UpdateDescription> DownloadUpdateDescription(Downloader& downloader, FileWriter& writer, StringTable& strings,
                                                    const std::string& url, const std::filesystem::path& file,
                                                    const std::atomic<bool>* cancel = nullptr,
                                                    const DownloadLimits& limits = kDescriptionLimits);

// Downloads the image from `url` over `file`; with a non-empty `sha256` (hexadecimal, either
// case) the image must have that digest, or nothing is written and an image already at `file`
// stays as it was (kInvalidData).
Status DownloadImage(Downloader& downloader, FileWriter& writer, const std::string& url, const std::string& sha256,
                     const std::filesystem::path& file, const std::atomic<bool>* cancel = nullptr,
                     const DownloadLimits& limits = kImageLimits);

// True when `file` is the image a description with this `sha256` offers, or when the description
// gives no digest to check; false for a missing, unreadable or larger-than-allowed file.
bool ImageHasDigest(const std::filesystem::path& file, const std::string& sha256);

}  // namespace oryn7px
