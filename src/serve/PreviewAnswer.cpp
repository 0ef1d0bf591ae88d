#include "serve/PreviewAnswer.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <optional>
#include <variant>

#include "core/movies/MovieTypes.h"
#include "core/text/Text.h"
#include "serve/ServedFile.h"

namespace tessaly::serve {
namespace fs = std::filesystem;

namespace {

struct TypeByExtension {
    std::string_view extension;  // lower case
    std::string_view type;
};

// What a published page is made of; movies go by movies::movieTypes().
constexpr TypeByExtension kTypes[] = {
    {".html", "text/html; charset=utf-8"},
    {".htm", "text/html; charset=utf-8"},
    {".js", "text/javascript; charset=utf-8"},
    {".mjs", "text/javascript; charset=utf-8"},
    {".css", "text/css; charset=utf-8"},
    {".png", "image/png"},
    {".gif", "image/gif"},
    {".jpg", "image/jpeg"},
    {".jpeg", "image/jpeg"},
    {".vtt", "text/vtt; charset=utf-8"},
};
constexpr std::string_view kUnknownType = "application/octet-stream";

struct Status {
    int code;
    std::string_view reason;
};
constexpr Status kStatuses[] = {
    {200, "OK"},
    {206, "Partial Content"},
    {400, "Bad Request"},
    {403, "Forbidden"},
    {404, "Not Found"},
    {405, "Method Not Allowed"},
    {416, "Range Not Satisfiable"},
    {431, "Request Header Fields Too Large"},
};

std::string_view reasonFor(int code) {
    for (const Status& status : kStatuses) {
        if (status.code == code) return status.reason;
    }
    return "Error";
}

std::string statusLine(int code) {
    return "HTTP/1.1 " + std::to_string(code) + " " + std::string(reasonFor(code)) + "\r\n";
}

// The Connection header the answer needs, if any: HTTP/1.0 keeps a connection
// only when both sides say so.
std::string connectionHeader(const HttpRequest& request, bool close) {
    if (close) return "Connection: close\r\n";
    return request.http11 ? "" : "Connection: keep-alive\r\n";
}

// A short text answer: the refusals and errors. A range beyond the file is
// answered for the media element, not a reader: its Content-Range says it all.
Answer message(int code, const HttpRequest& request, bool close, std::string_view extraHeaders = {}) {
    const std::string body = code == 416 ? "" : std::string(reasonFor(code)) + "\n";
    Answer answer;
    answer.close = close || !request.keepAlive;
    answer.head = statusLine(code) + "Content-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                  std::to_string(body.size()) + "\r\n" + std::string(extraHeaders) +
                  connectionHeader(request, answer.close) + "\r\n";
    if (request.method != "HEAD") answer.head += body;
    return answer;
}

// Only the names this server is reached by: a page elsewhere that points its
// own host name at 127.0.0.1 (DNS rebinding) sends its own name and is refused.
bool hostIsOurs(const std::optional<std::string>& host, int port) {
    if (!host) return false;
    const std::string suffix = ":" + std::to_string(port);
    if (!host->ends_with(suffix)) return false;
    std::string name = host->substr(0, host->size() - suffix.size());
    std::transform(name.begin(), name.end(), name.begin(), text::lowerAscii);
    return name == "127.0.0.1" || name == "localhost";
}

// The file a request path names inside `folder`, or the status that refuses it.
// Hidden names are never served, which also stops every ".." (the path is
// already percent-decoded); symlinks are followed and must land inside.
std::variant<fs::path, int> resolve(const fs::path& folder, const std::string& requestPath) {
    if (requestPath.empty() || requestPath.front() != '/' || requestPath.find('\0') != std::string::npos)
        return 404;
    fs::path relative;
    std::string_view rest(requestPath);
    while (!rest.empty()) {
        const auto slash = rest.find('/');
        const std::string_view name = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (name.empty()) continue;
        if (name.front() == '.') return 404;
        relative /= name;
    }
    if (relative.empty()) return 404;  // the folder itself: no listings

    std::error_code error;
    const fs::path target = fs::weakly_canonical(folder / relative, error);
    if (error) return 404;
    const fs::path inside = target.lexically_relative(folder);
    if (inside.empty() || *inside.begin() == "..") return 403;
    for (const fs::path& name : inside) {
        if (name.native().front() == '.') return 404;  // "." is the folder itself
    }
    return target;
}

struct Span {
    std::uint64_t first = 0;
    std::uint64_t last = 0;  // inclusive
};

std::optional<std::uint64_t> number(std::string_view digits) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

// The one byte range to send; nullopt for the whole file. Several ranges, and
// a header that cannot be read, get the whole file, as HTTP allows: browsers
// ask for one range at a time.
std::variant<std::nullopt_t, Span, int> chooseRange(std::string_view header, std::uint64_t size) {
    constexpr std::string_view kUnit = "bytes=";
    if (!header.starts_with(kUnit)) return std::nullopt;
    std::string_view rangeText = header.substr(kUnit.size());
    while (!rangeText.empty() && rangeText.front() == ' ') rangeText.remove_prefix(1);
    while (!rangeText.empty() && rangeText.back() == ' ') rangeText.remove_suffix(1);
    const auto dash = rangeText.find('-');
    if (dash == std::string_view::npos || rangeText.find(',') != std::string_view::npos) return std::nullopt;
    const std::string_view from = rangeText.substr(0, dash);
    const std::string_view to = rangeText.substr(dash + 1);

    if (from.empty()) {  // the last `to` bytes
        const auto length = number(to);
        if (!length) return std::nullopt;
        if (*length == 0 || size == 0) return 416;
        return Span{*length < size ? size - *length : 0, size - 1};
    }
    const auto first = number(from);
    const auto last = to.empty() ? std::optional<std::uint64_t>(UINT64_MAX) : number(to);
    if (!first || !last || *last < *first) return std::nullopt;  // malformed: ignored
    if (*first >= size) return 416;
    return Span{*first, std::min(*last, size - 1)};
}

}  // namespace

std::string_view contentTypeFor(const fs::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), text::lowerAscii);
    for (const TypeByExtension& entry : kTypes) {
        if (entry.extension == extension) return entry.type;
    }
    if (const movies::MovieType* movie = movies::movieTypeOf(extension)) return movie->mimeType;
    return kUnknownType;
}

Answer answerUnreadable(HeadStatus status) {
    HttpRequest request;
    request.keepAlive = false;
    return message(status == HeadStatus::TooLarge ? 431 : 400, request, true);
}

Answer answerRequest(const fs::path& folder, int port, const HttpRequest& request) {
    // A body is never read, so what follows it cannot be told from a request.
    const bool close = request.hasBody || !request.keepAlive;
    if (!hostIsOurs(request.host, port)) return message(403, request, close);
    if (request.method != "GET" && request.method != "HEAD")
        return message(405, request, close, "Allow: GET, HEAD\r\n");

    const auto resolved = resolve(folder, request.path);
    if (const int* status = std::get_if<int>(&resolved)) return message(*status, request, close);
    const fs::path& file = std::get<fs::path>(resolved);

    ServedFile served = openServedFile(file);
    if (served.result != ServedFile::Result::Opened)
        return message(served.result == ServedFile::Result::Forbidden ? 403 : 404, request, close);
    const std::uint64_t size = served.size;
    const std::string& tag = served.tag;

    // A range asked for "if the file is still this one" is the whole file otherwise.
    auto range = request.range && (!request.ifRange || *request.ifRange == tag)
                     ? chooseRange(*request.range, size)
                     : std::variant<std::nullopt_t, Span, int>(std::nullopt);
    if (const int* status = std::get_if<int>(&range))
        return message(*status, request, close, "Content-Range: bytes */" + std::to_string(size) + "\r\n");

    Answer answer;
    answer.close = close;
    std::string extra;
    if (const Span* part = std::get_if<Span>(&range)) {
        answer.offset = part->first;
        answer.length = part->last - part->first + 1;
        answer.head = statusLine(206);
        extra = "Content-Range: bytes " + std::to_string(part->first) + "-" + std::to_string(part->last) +
                "/" + std::to_string(size) + "\r\n";
    } else {
        answer.length = size;
        answer.head = statusLine(200);
    }
    // A page published again must not come from the browser's cache.
    answer.head += "Content-Type: " + std::string(contentTypeFor(file)) +
                   "\r\nContent-Length: " + std::to_string(answer.length) + "\r\n" + extra +
                   "Accept-Ranges: bytes\r\nETag: " + tag +
                   "\r\nCache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\n" +
                   connectionHeader(request, close) + "\r\n";
    if (request.method == "HEAD" || answer.length == 0) {
        answer.length = 0;
    } else {
        answer.body = std::move(served.fd);
    }
    return answer;
}

}  // namespace tessaly::serve
