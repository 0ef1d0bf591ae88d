#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "core/platform/ChildProcess.h"
#include "core/platform/FileSystem.h"

extern char** environ;

namespace tessaly::platform {
namespace {

// The program's path as execve takes it: PATH searched here, before the fork,
// where looking is allowed to allocate.
std::string programPath(const std::string& program, int& error) {
    if (program.find('/') != std::string::npos) return program;
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    error = ENOENT;
    while (true) {
        const auto colon = folders.find(':');
        std::string candidate(folders.substr(0, colon));
        candidate = (candidate.empty() ? "." : candidate) + "/" + program;
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            if (::access(candidate.c_str(), X_OK) == 0) {
                error = 0;
                return candidate;
            }
            error = EACCES;
        }
        if (colon == std::string_view::npos) return {};
        folders.remove_prefix(colon + 1);
    }
}

// In the child, between fork and exec: system calls only. Writes errno to
// `report` and ends when something fails.
[[noreturn]] void becomeChild(pid_t parent, const char* program, char* const* argv,
                              const std::vector<std::pair<int, int>>& descriptors, int report) {
    const auto failed = [report] {
        const int error = errno;
        [[maybe_unused]] const ssize_t n = ::write(report, &error, sizeof error);
        ::_exit(127);
    };
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0) failed();
    // The parent may have ended before the line above took effect.
    if (::getppid() != parent) ::_exit(127);
    const int input = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (input < 0 || ::dup2(input, STDIN_FILENO) < 0) failed();
    for (const auto& [from, to] : descriptors) {
        if (::dup2(from, to) < 0) failed();
    }
    ::execve(program, argv, environ);
    failed();
    ::_exit(127);
}

}  // namespace

StartedChild startChild(const std::vector<std::string>& argv,
                        const std::vector<std::pair<int, int>>& descriptors) {
    StartedChild started;
    if (argv.empty()) {
        started.error = EINVAL;
        return started;
    }
    const std::string program = programPath(argv[0], started.error);
    if (started.error != 0) return started;
    std::vector<std::string> args = argv;
    std::vector<char*> pointers;
    for (std::string& arg : args) pointers.push_back(arg.data());
    pointers.push_back(nullptr);

    // Tells the parent why exec failed; closed by a successful exec.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        started.error = errno;
        return started;
    }
    FileDescriptor reportRead(fds[0]), reportWrite(fds[1]);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        started.error = errno;
        return started;
    }
    if (child == 0) becomeChild(parent, program.c_str(), pointers.data(), descriptors, reportWrite.get());
    reportWrite.reset();
    int error = 0;
    ssize_t n = 0;
    while ((n = ::read(reportRead.get(), &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (n == static_cast<ssize_t>(sizeof error)) {
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
        started.error = error;
        return started;
    }
    started.pid = child;
    return started;
}

}  // namespace tessaly::platform
