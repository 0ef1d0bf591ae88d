#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <thread>

#include "cli/PreviewHost.h"
#include "cli/Usage.h"
#include "cli/Verbs.h"
#include "core/platform/Files.h"
#include "serve/PreviewServer.h"

namespace tessaly::cli {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHiddenPage = "Hidden files are not served";
constexpr std::string_view kNoPort = "No free port on 127.0.0.1";
constexpr std::string_view kServing = "serving {} until interrupted (Ctrl+C)";
constexpr std::string_view kNoBrowser = "No web browser could be started ({}); open the address above in one";
// How often the wait for Ctrl+C looks whether the server ended by itself.
constexpr std::chrono::milliseconds kTick{200};

std::string fill(std::string_view pattern, const std::string& value) {
    std::string text(pattern);
    text.replace(text.find("{}"), 2, value);
    return text;
}

// Why `page` cannot be previewed, if it cannot.
Result<void> checkPage(const fs::path& page) {
    std::error_code error;
    const fs::file_status status = fs::status(page, error);
    if (error) return platform::FileError{page, "open", error.message()};
    if (fs::is_directory(status)) return platform::errnoError(page, "open", EISDIR);
    if (!fs::is_regular_file(status))
        return platform::FileError{page, "open", std::string(platform::kNotRegularFile)};
    if (fs::canonical(page, error).filename().string().starts_with('.'))
        return platform::FileError{page, "serve", std::string(kHiddenPage)};
    return success();
}

}  // namespace

int runPreview(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() || args[0].starts_with('-')) {
        err << usage("preview");
        return 2;
    }
    const fs::path page = args[0];
    if (const auto checked = checkPage(page); checked.failed()) {
        err << "tessaly: " << checked.failure().message() << '\n';
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

    BrowserStart browser;
    StopSignalsHeld stopSignals;
    std::atomic<bool> finished{false};
    bool served = true;
    std::thread serving([&] {
        served = server.serve();
        finished = true;
    });

    const std::string address = serve::previewAddress(port, target.filename().string());
    out << address << '\n' << std::flush;
    err << "tessaly: " << fill(kServing, server.folder().string()) << '\n' << std::flush;
    if (const auto failure = browser.open(address))
        err << "tessaly: " << fill(kNoBrowser, *failure) << '\n' << std::flush;

    while (!finished) {
        if (stopSignals.stopWithin(kTick)) break;
    }
    server.stop();
    serving.join();

    if (!served) {
        err << "tessaly: " << platform::FileError{server.folder(), "serve", ""}.message() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace tessaly::cli
