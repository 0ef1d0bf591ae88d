#pragma once

// The head of one HTTP/1.x request, as much of it as a read-only file server
// needs. Parsing never allocates beyond the head it is given, and a head larger
// than `kMaxRequestHead` is refused before it is complete.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::serve {

inline constexpr std::size_t kMaxRequestHead = 16 * 1024;

struct HttpRequest {
    std::string method;  // as sent: "GET", "HEAD", ...
    std::string path;    // percent-decoded, without query or fragment
    bool http11 = true;  // false for HTTP/1.0
    std::optional<std::string> host;
    std::optional<std::string> range;
    std::optional<std::string> ifRange;
    bool keepAlive = true;  // the client wants the connection kept after the answer
    bool hasBody = false;   // a body follows the head (never read: the connection closes)
};

enum class HeadStatus { Incomplete, Complete, Malformed, TooLarge };

struct ParsedHead {
    HeadStatus status = HeadStatus::Incomplete;
    HttpRequest request;       // when Complete
    std::size_t headSize = 0;  // bytes of `buffer` the head took, when Complete
};

// Looks for one whole request head at the start of `buffer`.
ParsedHead parseRequestHead(std::string_view buffer);

}  // namespace tessaly::serve
