#include "serve/HttpRequest.h"

#include <algorithm>

#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::serve {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The path of an origin-form target, percent-decoded; nullopt when malformed.
std::optional<std::string> decodedPath(std::string_view target) {
    if (target.empty() || target.front() != '/') return std::nullopt;
    target = target.substr(0, target.find_first_of("?#"));
    std::string path;
    path.reserve(target.size());
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (target[i] != '%') {
            path += target[i];
            continue;
        }
        if (i + 2 >= target.size()) return std::nullopt;
        const int high = text::hexValue(target[i + 1]);
        const int low = text::hexValue(target[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return path;
}

// Whether the comma-separated list `value` holds `token`, in any case.
bool listHolds(std::string_view value, std::string_view token) {
    while (!value.empty()) {
        const auto comma = value.find(',');
        if (text::equalsNoCase(trimmed(value.substr(0, comma)), token)) return true;
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
    }
    return false;
}

// Fills `request` from the request line; false when it is not HTTP/1.x.
bool readRequestLine(std::string_view line, HttpRequest& request) {
    const auto firstSpace = line.find(' ');
    const auto lastSpace = line.rfind(' ');
    if (firstSpace == std::string_view::npos || firstSpace == lastSpace) return false;
    const std::string_view method = line.substr(0, firstSpace);
    const std::string_view target = line.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    const std::string_view version = line.substr(lastSpace + 1);
    if (method.empty() || target.find(' ') != std::string_view::npos) return false;
    if (version == "HTTP/1.1") {
        request.http11 = true;
    } else if (version == "HTTP/1.0") {
        request.http11 = false;
    } else {
        return false;
    }
    auto path = decodedPath(target);
    if (!path) return false;
    request.method = method;
    request.path = std::move(*path);
    return true;
}

// Takes one header line into `request`; false when it is malformed.
bool readHeader(std::string_view line, HttpRequest& request, std::optional<bool>& connectionKeepAlive) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    const std::string_view name = line.substr(0, colon);
    if (name.find_first_of(" \t") != std::string_view::npos) return false;
    const std::string_view value = trimmed(line.substr(colon + 1));

    const auto once = [](std::optional<std::string>& field, std::string_view text) {
        if (field) return false;  // two of a kind would let a proxy and us disagree
        field = std::string(text);
        return true;
    };
    if (text::equalsNoCase(name, "Host")) return once(request.host, value);
    if (text::equalsNoCase(name, "Range")) return once(request.range, value);
    if (text::equalsNoCase(name, "If-Range")) return once(request.ifRange, value);
    if (text::equalsNoCase(name, "Content-Length")) {
        if (value != "0") request.hasBody = true;
    } else if (text::equalsNoCase(name, "Transfer-Encoding")) {
        request.hasBody = true;
    } else if (text::equalsNoCase(name, "Connection")) {
        if (listHolds(value, "close"))
            connectionKeepAlive = false;
        else if (listHolds(value, "keep-alive") && !connectionKeepAlive)
            connectionKeepAlive = true;
    }
    return true;
}

}  // namespace

ParsedHead parseRequestHead(std::string_view buffer) {
    ParsedHead parsed;
    // The head ends at the first empty line; bare LF line ends are taken too.
    std::size_t end = std::string_view::npos;
    for (std::size_t at = buffer.find('\n'); at != std::string_view::npos; at = buffer.find('\n', at + 1)) {
        if (at + 1 < buffer.size() && buffer[at + 1] == '\n') {
            end = at + 2;
            break;
        }
        if (at + 2 < buffer.size() && buffer[at + 1] == '\r' && buffer[at + 2] == '\n') {
            end = at + 3;
            break;
        }
    }
    if (end == std::string_view::npos || end > kMaxRequestHead) {
        parsed.status = buffer.size() >= kMaxRequestHead ? HeadStatus::TooLarge : HeadStatus::Incomplete;
        return parsed;
    }

    std::string_view head = buffer.substr(0, end);
    // Empty lines before a request are allowed and skipped.
    while (!head.empty() && (head.front() == '\r' || head.front() == '\n')) head.remove_prefix(1);
    bool first = true;
    std::optional<bool> connectionKeepAlive;
    parsed.status = HeadStatus::Malformed;
    while (!head.empty()) {
        const auto newline = head.find('\n');
        std::string_view line = head.substr(0, newline);
        head.remove_prefix(newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) break;
        if (line.find('\0') != std::string_view::npos || line.find('\r') != std::string_view::npos)
            return parsed;
        if (first) {
            if (!readRequestLine(line, parsed.request)) return parsed;
            first = false;
        } else if (line.front() == ' ' || line.front() == '\t') {
            return parsed;  // folded header lines are obsolete and ambiguous
        } else if (!readHeader(line, parsed.request, connectionKeepAlive)) {
            return parsed;
        }
    }
    if (first) return parsed;
    // HTTP/1.1 keeps the connection unless told otherwise; 1.0 only when asked.
    parsed.request.keepAlive = connectionKeepAlive.value_or(parsed.request.http11);
    parsed.status = HeadStatus::Complete;
    parsed.headSize = end;
    return parsed;
}

}  // namespace tessaly::serve
