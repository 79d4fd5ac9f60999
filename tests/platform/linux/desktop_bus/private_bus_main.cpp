// Runs the tests on a session bus and in a home of their own (dconf's database included): no
// user's settings are touched, and tests that ctest starts side by side share nothing.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "private_bus.h"

namespace oryn7px {

namespace {

namespace fs = std::filesystem;

// Set for the program run under dbus-run-session: the private folder, and that this run owns it
// (the death tests' child processes inherit the folder but not the ownership).
constexpr const char* kFolderVariable = "ORYN7PX_TEST_BUS_FOLDER";
constexpr const char* kOwnerVariable = "ORYN7PX_TEST_BUS_OWNER";

std::string busFailure;

bool InPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "";
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const fs::path candidate = fs::path(rest.substr(0, colon)) / program;
        if (access(candidate.c_str(), X_OK) == 0) return true;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return false;
}

// Points the desktop's folders at a private one and runs this program again under
// dbus-run-session; returns only when that cannot be done, with the reason.
std::string RerunOnPrivateBus(int argc, char** argv) {
    for (const char* program : {"dbus-run-session", "dbus-daemon"}) {
        if (!InPath(program)) return std::string(program) + " is not installed (package dbus-daemon)";
    }
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return "this program's path is unknown: " + error.message();
    char pattern[] = "/tmp/oryn7px-desktop-bus-XXXXXX";
    if (!mkdtemp(pattern)) return std::string("no private folder: ") + std::strerror(errno);
    const fs::path folder = pattern;
    const struct {
        const char* variable;
        const char* name;
    } homes[] = {{"HOME", "home"},
                 {"XDG_CONFIG_HOME", "config"},
                 {"XDG_DATA_HOME", "data"},
                 {"XDG_CACHE_HOME", "cache"},
                 {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto& home : homes) {
        fs::create_directory(folder / home.name);
        setenv(home.variable, (folder / home.name).c_str(), 1);
    }
    fs::permissions(folder / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    setenv("GSETTINGS_BACKEND", "dconf", 1);
    setenv(kFolderVariable, folder.c_str(), 1);
    setenv(kOwnerVariable, "1", 1);

    std::vector<char*> args{const_cast<char*>("dbus-run-session"), const_cast<char*>("--"),
                            const_cast<char*>(self.c_str())};
    args.insert(args.end(), argv + 1, argv + argc);
    args.push_back(nullptr);
    execvp(args[0], args.data());
    const std::string failure = std::string("dbus-run-session cannot be started: ") + std::strerror(errno);
    unsetenv(kFolderVariable);
    unsetenv(kOwnerVariable);
    fs::remove_all(folder, error);
    return failure;
}

}  // namespace

const std::string& PrivateBusFailure() { return busFailure; }

}  // namespace oryn7px

int main(int argc, char** argv) {
    using namespace oryn7px;
    if (!std::getenv(kFolderVariable)) busFailure = RerunOnPrivateBus(argc, argv);
    // Only the run that dbus-run-session started removes the folder, after its tests.
    std::filesystem::path ownedFolder;
    if (std::getenv(kOwnerVariable)) {
        ownedFolder = std::getenv(kFolderVariable);
        unsetenv(kOwnerVariable);
    }
    // The fake KWin runs its scripts in Qt's JavaScript engine, which needs an application object.
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    // Death tests run their statement in a fresh process, before GIO has read the environment.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const int result = RUN_ALL_TESTS();
    std::error_code error;
    if (!ownedFolder.empty()) std::filesystem::remove_all(ownedFolder, error);
    return result;
}
