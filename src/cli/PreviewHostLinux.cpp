#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <ctime>
#include <system_error>

#include "cli/PreviewHost.h"

extern char** environ;

namespace tessaly::cli {
namespace {

constexpr char kBrowserLauncher[] = "xdg-open";

}  // namespace

struct StopSignalsHeld::Masks {
    sigset_t stop;
    sigset_t previous;
};

StopSignalsHeld::StopSignalsHeld() : masks_(std::make_unique<Masks>()) {
    sigemptyset(&masks_->stop);
    sigaddset(&masks_->stop, SIGINT);
    sigaddset(&masks_->stop, SIGTERM);
    sigset_t blocked = masks_->stop;
    sigaddset(&blocked, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &blocked, &masks_->previous);
}

StopSignalsHeld::~StopSignalsHeld() { pthread_sigmask(SIG_SETMASK, &masks_->previous, nullptr); }

bool StopSignalsHeld::stopWithin(std::chrono::milliseconds timeout) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout);
    const timespec tick{static_cast<time_t>(seconds.count()),
                        static_cast<long>(std::chrono::nanoseconds(timeout - seconds).count())};
    const int caught = sigtimedwait(&masks_->stop, nullptr, &tick);
    return caught == SIGINT || caught == SIGTERM;
}

// In a process group of its own, with no signal blocked.
std::optional<std::string> BrowserStart::open(const std::string& address) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);

    std::string program = kBrowserLauncher;
    std::string argument = address;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t launcher = -1;
    const int error = posix_spawnp(&launcher, kBrowserLauncher, &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error == 0) {
        launcher_ = launcher;
        return std::nullopt;
    }
    return std::string(kBrowserLauncher) + ": " + std::generic_category().message(error);
}

BrowserStart::~BrowserStart() {
    if (launcher_ > 0) ::waitpid(launcher_, nullptr, WNOHANG);
}

}  // namespace tessaly::cli
