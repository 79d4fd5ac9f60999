#include "platform/linux/linux_shell.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/posix/retry_on_eintr.h"

extern char** environ;

namespace oryn7px {

namespace {

// Starts argv[0] in a session of its own with stdin on /dev/null; -1 when it could not be started.
// posix_spawn reports a failed exec, unlike a plain fork.
pid_t Spawn(const std::vector<std::string>& argv, bool searchPath, const std::filesystem::path& workingFolder = {}) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (!workingFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    posix_spawnattr_init(&attributes);
    // Its own session: ending this program (or its terminal) leaves what it started running.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    pid_t pid = -1;
    const int result = searchPath ? posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ)
                                  : posix_spawn(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return result == 0 ? pid : -1;
}

// Reaps the child in the background so that nothing is left as a zombie; `onExit` runs while the
// child is still a zombie, so its pid cannot have been reused yet.
void ReapInBackground(pid_t pid, std::function<void()> onExit = {}) {
    std::thread([pid, onExit = std::move(onExit)] {
        siginfo_t info{};
        RetryOnEintr([&] { return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT); });
        if (onExit) onExit();
        RetryOnEintr([&] { return waitpid(pid, nullptr, 0); });
    }).detach();
}

bool SpawnDetached(const std::vector<std::string>& argv, bool searchPath,
                   const std::filesystem::path& workingFolder = {}) {
    const pid_t pid = Spawn(argv, searchPath, workingFolder);
    if (pid < 0) return false;
    ReapInBackground(pid);
    return true;
}

// Players and openers take a leading '-' as an option: such a path is given as ./-name.
std::string AsOperand(const std::string& path) { return !path.empty() && path.front() == '-' ? "./" + path : path; }

}  // namespace

// The player of the sound that plays now, shared with the reaper threads that outlive a call.
struct LinuxShell::SoundState {
    std::mutex mutex;
    pid_t player = -1;
};

LinuxShell::LinuxShell() : LinuxShell(Programs{}) {}

LinuxShell::LinuxShell(Programs programs) : programs_(std::move(programs)), sound_(std::make_shared<SoundState>()) {}

LinuxShell::~LinuxShell() = default;

bool LinuxShell::PlaySoundAsync(const std::filesystem::path& file) {
    if (file.empty()) return false;
    std::lock_guard lock(sound_->mutex);
    // Like the system sound call: a new sound stops the one still playing.
    if (sound_->player > 0) kill(sound_->player, SIGTERM);
    sound_->player = -1;
    for (const std::string& player : programs_.soundPlayers) {
        const pid_t pid = Spawn({player, AsOperand(file.string())}, true);
        if (pid < 0) continue;
        sound_->player = pid;
        ReapInBackground(pid, [state = sound_, pid] {
            std::lock_guard stateLock(state->mutex);
            if (state->player == pid) state->player = -1;
        });
        return true;
    }
    return false;
}

bool LinuxShell::RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    if (program.empty()) return false;
    std::vector<std::string> argv{program.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return SpawnDetached(argv, false);
}

bool LinuxShell::RunProgramIn(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                              const std::filesystem::path& workingFolder) {
    if (program.empty()) return false;
    std::vector<std::string> argv{program.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return SpawnDetached(argv, false, workingFolder);
}

bool LinuxShell::Open(const std::string& target) {
    if (target.empty()) return false;
    return SpawnDetached({programs_.opener, AsOperand(target)}, true);
}

}  // namespace oryn7px
