#pragma once
// The file name a process runs under, as profile rules name programs ("firefox", "game.exe").
#include <cstdint>
#include <string>
#include <string_view>

namespace oryn7px {

// From the target of /proc/PID/exe and the process's first argument: the target's file name,
// without the " (deleted)" of a replaced file. Wine runs every Windows program under its own
// loader and puts the program's path in the first argument, so there that argument's file name
// ("C:\games\game.exe" gives "game.exe").
std::string ExecutableName(std::string_view exeTarget, std::string_view firstArgument);

// The name above for a running process; empty when /proc does not say (the process ended,
// or belongs to another user). `procRoot` is "/proc" but for tests.
std::string ProcessExecutableName(uint32_t pid, const std::string& procRoot = "/proc");

}  // namespace oryn7px
