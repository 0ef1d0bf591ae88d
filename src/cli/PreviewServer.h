#pragma once

// A read-only web server for one published folder, reachable from this machine
// only, so a page can be watched over http: (browsers may refuse to draw a movie
// from a file: address into WebGL). It answers byte ranges, so the browser can
// stream and seek the movie, and refuses everything outside the folder.

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace httplib {
class Server;
}

namespace tessaly::cli {

class PreviewServer {
public:
    // `folder` must exist; it is resolved once, symlinks included.
    explicit PreviewServer(const std::filesystem::path& folder);
    ~PreviewServer();
    PreviewServer(const PreviewServer&) = delete;
    PreviewServer& operator=(const PreviewServer&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

    // Takes a free port on 127.0.0.1; 0 when none could be had.
    int bind();
    // Answers requests until stop(); false when it could not serve at all.
    bool serve();
    // From any thread, before or while serve() runs.
    void stop();

private:
    enum class Phase { Idle, Starting, Done };

    std::filesystem::path folder_;
    std::unique_ptr<httplib::Server> server_;
    std::atomic<bool> stopping_{false};
    std::atomic<Phase> phase_{Phase::Idle};
};

// The Content-Type a file is served with, from its extension.
std::string_view contentTypeFor(const std::filesystem::path& file);

// "http://127.0.0.1:PORT/NAME" with NAME percent-encoded.
std::string previewAddress(int port, std::string_view fileName);

}  // namespace tessaly::cli
