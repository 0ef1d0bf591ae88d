#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <thread>

#include "cli/Usage.h"
#include "cli/Verbs.h"
#include "core/platform/Files.h"
#include "serve/PreviewServer.h"

extern char** environ;

namespace tessaly::cli {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHiddenPage = "Hidden files are not served";
constexpr std::string_view kNoPort = "No free port on 127.0.0.1";
constexpr std::string_view kServing = "serving {} until interrupted (Ctrl+C)";
constexpr std::string_view kNoBrowser = "No web browser could be started ({}); open the address above in one";
constexpr char kBrowserLauncher[] = "xdg-open";

std::string fill(std::string_view pattern, const std::string& value) {
    std::string text(pattern);
    text.replace(text.find("{}"), 2, value);
    return text;
}

// Starts the desktop's browser on `address` and does not wait for it. It runs
// in a process group of its own, so the Ctrl+C that ends the server does not
// close the browser, and without the signal mask the server runs under.
std::optional<std::string> openBrowser(const std::string& address, pid_t& launcher) {
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
    const int error = posix_spawnp(&launcher, kBrowserLauncher, &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error == 0) return std::nullopt;
    launcher = -1;
    return std::string(kBrowserLauncher) + ": " + std::generic_category().message(error);
}

// Why `page` cannot be previewed, if it cannot.
std::optional<platform::FileError> checkPage(const fs::path& page) {
    std::error_code error;
    const fs::file_status status = fs::status(page, error);
    if (error) return platform::FileError{page, "open", error.message()};
    if (fs::is_directory(status)) return platform::errnoError(page, "open", EISDIR);
    if (!fs::is_regular_file(status))
        return platform::FileError{page, "open", std::string(platform::kNotRegularFile)};
    if (fs::canonical(page, error).filename().native().starts_with('.'))
        return platform::FileError{page, "serve", std::string(kHiddenPage)};
    return std::nullopt;
}

}  // namespace

int runPreview(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() || args[0].starts_with('-')) {
        err << usage("preview");
        return 2;
    }
    const fs::path page = args[0];
    if (const auto problem = checkPage(page)) {
        err << "tessaly: " << problem->message() << '\n';
        return 1;
    }
    // The folder of the file itself: a page reached through a symlink finds its
    // movie and scripts beside its target.
    const fs::path target = fs::canonical(page);
    serve::PreviewServer server(target.parent_path());
    const int port = server.bind();
    if (port == 0) {
        err << "tessaly: " << platform::FileError{server.folder(), "serve", std::string(kNoPort)}.message()
            << '\n';
        return 1;
    }

    // Ctrl+C and kill are taken by this thread alone, so they end the server
    // in order; the server's threads inherit the mask. A client that hangs up
    // mid-movie must not end the program either.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigset_t blocked = stopSignals;
    sigaddset(&blocked, SIGPIPE);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);

    std::atomic<bool> finished{false};
    bool served = true;
    std::thread serving([&] {
        served = server.serve();
        finished = true;
    });

    const std::string address = serve::previewAddress(port, target.filename().string());
    out << address << '\n' << std::flush;
    err << "tessaly: " << fill(kServing, server.folder().string()) << '\n' << std::flush;
    pid_t launcher = -1;
    if (const auto failure = openBrowser(address, launcher))
        err << "tessaly: " << fill(kNoBrowser, *failure) << '\n' << std::flush;

    while (!finished) {
        const timespec tick{0, 200'000'000};
        const int caught = sigtimedwait(&stopSignals, nullptr, &tick);
        if (caught == SIGINT || caught == SIGTERM) break;
    }
    server.stop();
    serving.join();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (launcher > 0) ::waitpid(launcher, nullptr, WNOHANG);

    if (!served) {
        err << "tessaly: " << platform::FileError{server.folder(), "serve", ""}.message() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace tessaly::cli
