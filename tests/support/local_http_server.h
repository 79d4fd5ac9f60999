#pragma once
// A small HTTP server on 127.0.0.1 for download tests, run by python3 in a process of its own.
// Paths: /files/NAME serves the file NAME of the given folder; /slow/MS/NAME waits MS ms first;
// /unsized/NAME sends NAME without a length; anything else is 404.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

extern char** environ;

namespace oryn7px::testing {

inline constexpr const char* kHttpServerScript = R"PY(
import http.server, os, socketserver, sys, time
root = sys.argv[1]
class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    def log_message(self, *args): pass
    def do_GET(self):
        parts = self.path.strip("/").split("/")
        sized = True
        if parts[0] == "slow" and len(parts) == 3:
            time.sleep(int(parts[1]) / 1000.0)
            parts = ["files", parts[2]]
        if parts[0] == "unsized" and len(parts) == 2:
            sized = False
            parts = ["files", parts[1]]
        path = os.path.join(root, parts[-1]) if parts[0] == "files" and len(parts) == 2 else None
        if path is None or not os.path.isfile(path):
            self.send_error(404)
            return
        body = open(path, "rb").read()
        self.send_response(200)
        if sized: self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass
class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
server = Server(("127.0.0.1", 0), Handler)
with open(sys.argv[2] + ".tmp", "w") as f: f.write(str(server.server_address[1]))
os.rename(sys.argv[2] + ".tmp", sys.argv[2])
server.serve_forever()
)PY";

class LocalHttpServer {
public:
    // Serves the files of `root`; the port is known once the constructor returns.
    explicit LocalHttpServer(std::filesystem::path root) : root_(std::move(root)) {
        const std::string portFile = (root_ / ".port").string();
        const std::string script = kHttpServerScript;
        const char* argv[] = {"python3", "-c", script.c_str(), root_.c_str(), portFile.c_str(), nullptr};
        if (posix_spawnp(&pid_, "python3", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = -1;
        for (int i = 0; i < 500 && pid_ > 0 && !std::filesystem::exists(portFile); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::ifstream(portFile) >> port_;
    }
    ~LocalHttpServer() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool Running() const { return port_ > 0; }
    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

private:
    std::filesystem::path root_;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace oryn7px::testing
