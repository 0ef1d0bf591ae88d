#pragma once

// A read-only web server for one published folder, reachable from this machine
// only, so a page can be watched over http: (browsers may refuse to draw a movie
// from a file: address into WebGL). It answers byte ranges, so the browser can
// stream and seek the movie, and refuses everything outside the folder.
//
// One thread serves every connection from one event loop, so a client that
// sends or reads slowly costs a socket, never a worker; each connection has a
// deadline, and stop() ends the loop at once whatever the clients are doing.

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/platform/FileSystem.h"

namespace tessaly::serve {

struct ServerLimits {
    // From a new connection, or the first byte of a request, to its whole head.
    std::chrono::milliseconds header{5000};
    // A kept-alive connection waiting for its next request.
    std::chrono::milliseconds idle{5000};
    // A client that takes no byte of an answer for this long (a paused video
    // element stops reading; it asks again, with a range, when it plays on).
    std::chrono::milliseconds stalledWrite{30000};
};

class PreviewServer {
public:
    // `folder` must exist; it is resolved once, symlinks included.
    explicit PreviewServer(const std::filesystem::path& folder, ServerLimits limits = {});
    ~PreviewServer();
    PreviewServer(const PreviewServer&) = delete;
    PreviewServer& operator=(const PreviewServer&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

    // Takes a free port on 127.0.0.1 and listens with the system's largest
    // queue; 0 when no port could be had.
    int bind();
    // Answers requests until stop(); false when it could not serve at all.
    bool serve();
    // From any thread, before or while serve() runs; serve() returns at once.
    void stop();

private:
    std::filesystem::path folder_;
    ServerLimits limits_;
    platform::FileDescriptor listener_;
    platform::FileDescriptor wake_;
    int port_ = 0;
};

// "http://127.0.0.1:PORT/NAME" with NAME percent-encoded.
std::string previewAddress(int port, std::string_view fileName);

}  // namespace tessaly::serve
