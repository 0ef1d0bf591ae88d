#pragma once

// What the preview server sends for one request: a head, and maybe a span of
// an open file to follow it. Decides everything about a request (its Host, its
// path inside the folder, its byte range) and touches no socket.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/platform/FileSystem.h"
#include "serve/HttpRequest.h"

namespace tessaly::serve {

struct Answer {
    std::string head;  // status line and headers, and the whole body of a short message
    platform::FileDescriptor body;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;  // bytes of `body` to send from `offset`
    bool close = false;        // end the connection once this is sent
};

// The answer to `request` from the server of `folder` (canonical) on `port`.
Answer answerRequest(const std::filesystem::path& folder, int port, const HttpRequest& request);

// The answer to a request whose head could not be read.
Answer answerUnreadable(HeadStatus status);

// The Content-Type a file is served with, from its extension.
std::string_view contentTypeFor(const std::filesystem::path& file);

}  // namespace tessaly::serve
