#pragma once
// Messages for files the program refuses to read or write, so nobody loses a file silently.
#include <filesystem>

#include "core/base/result.h"
#include "core/interfaces/user_messages.h"
#include "core/settings/settings_state.h"

namespace oryn7px {

// "cannot be read" when a file is found unreadable, and when a change to it is refused.
void ShowUnreadable(UserMessages& messages, bool chinese, const std::filesystem::path& path);
// Why a file offered for import could not be read: missing, unreadable, not a regular file.
void ShowUnreadableImport(UserMessages& messages, bool chinese, const Error& error, const std::filesystem::path& path);
// A file shorter than its record was read as far as it goes; its bytes were copied to `kept`.
void ShowShortFileKept(UserMessages& messages, bool chinese, const std::filesystem::path& path,
                       const std::filesystem::path& kept);
// An import left out macros whose ids repeated or were no macro ids.
void ShowSkippedMacros(UserMessages& messages, bool chinese, std::size_t count);
// An export named one of the program's own data files: nothing was written.
void ShowOwnDataFileRefused(UserMessages& messages, bool chinese, const std::filesystem::path& path);
void ShowRefusedUnreadable(UserMessages& messages, bool chinese, const std::filesystem::path& path);

// A file that exists but could not be read: recorded, so no later save writes over it, and shown.
void MarkUnreadable(SettingsState& state, UserMessages& messages, const std::filesystem::path& path);

// True (after saying which file) when one of `paths` was found unreadable: the change is refused.
bool RefuseUnreadable(const SettingsState& state, UserMessages& messages,
                      std::initializer_list<std::filesystem::path> paths);

// The reasons the older messages do not cover: not a regular file, a link to another user's
// file, and any other failure to write, with the system's cause ("No space left on device")
// where `error` gives one. False when its kind is none of them.
bool ShowFileProblem(UserMessages& messages, bool chinese, const Error& error, const std::filesystem::path& path);

}  // namespace oryn7px
