#pragma once
// Unix-socket plumbing shared by the daemon and its clients.
#include <sys/un.h>

#include <optional>
#include <string>

namespace oryn7px {

bool FillSocketAddress(const std::string& path, sockaddr_un* address);
// A connected stream socket, or -1. Connecting and each send give up after a few seconds.
int ConnectUnixSocket(const std::string& path);
// Writes the text and a line feed, whole.
bool WriteLine(int fd, const std::string& text);
// Reads up to the next line feed, keeping what follows in *buffer; empty on error, end of
// stream or no whole line within timeoutMs (however the bytes arrive).
std::optional<std::string> ReadLine(int fd, std::string* buffer, int timeoutMs);

}  // namespace oryn7px
