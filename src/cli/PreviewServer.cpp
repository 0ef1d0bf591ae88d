#include "cli/PreviewServer.h"

#include <fcntl.h>
#include <httplib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <optional>
#include <thread>
#include <utility>
#include <variant>

#include "core/publish/MovieTypes.h"

namespace tessaly::cli {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLoopback = "127.0.0.1";

struct TypeByExtension {
    std::string_view extension;  // lower case
    std::string_view type;
};

// What a published page is made of; movies go by publish::movieTypes().
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
};
constexpr std::string_view kUnknownType = "application/octet-stream";

// Closes the file when the last response that streams it is gone.
class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

void refuse(httplib::Response& res, int status) {
    res.status = status;
    res.set_content(status == 403 ? "Forbidden\n" : "Not found\n", "text/plain; charset=utf-8");
}

// The file a request path names inside `folder`, or the status that refuses it.
// Hidden names are never served, which also stops every ".." (httplib has
// already decoded "%2e%2e"); symlinks are followed and must land inside.
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

// The one byte range to send; nullopt for the whole file. Several ranges get the
// whole file, as HTTP allows: browsers ask for one at a time.
std::variant<std::nullopt_t, Span, int> chooseRange(const httplib::Ranges& ranges, std::uint64_t size) {
    if (ranges.size() != 1) return std::nullopt;
    const auto [from, to] = ranges.front();
    if (from < 0 && to < 0) return std::nullopt;
    if (from < 0) {  // the last `to` bytes
        if (to == 0 || size == 0) return 416;
        const auto length = static_cast<std::uint64_t>(to);
        return Span{length < size ? size - length : 0, size - 1};
    }
    const auto first = static_cast<std::uint64_t>(from);
    if (to >= 0 && static_cast<std::uint64_t>(to) < first) return std::nullopt;  // malformed: ignored
    if (first >= size) return 416;
    const std::uint64_t last =
        to < 0 ? size - 1 : std::min<std::uint64_t>(static_cast<std::uint64_t>(to), size - 1);
    return Span{first, last};
}

void answer(const fs::path& folder, const httplib::Request& req, httplib::Response& res) {
    const auto resolved = resolve(folder, req.path);
    if (const int* status = std::get_if<int>(&resolved)) return refuse(res, *status);
    const fs::path& file = std::get<fs::path>(resolved);

    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return refuse(res, errno == EACCES ? 403 : 404);
    auto open = std::make_shared<OpenFile>(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return refuse(res, 404);
    const auto size = static_cast<std::uint64_t>(info.st_size);

    // A page published again must not come from the browser's cache.
    res.set_header("Cache-Control", "no-store");
    res.set_header("Accept-Ranges", "bytes");
    res.set_header("X-Content-Type-Options", "nosniff");

    Span span{0, size == 0 ? 0 : size - 1};
    const auto range = chooseRange(req.ranges, size);
    if (const int* status = std::get_if<int>(&range)) {
        res.status = *status;
        res.set_header("Content-Range", "bytes */" + std::to_string(size));
        return;
    }
    std::uint64_t length = size;
    if (const Span* part = std::get_if<Span>(&range)) {
        span = *part;
        length = span.last - span.first + 1;
        res.status = 206;
        res.set_header("Content-Range", "bytes " + std::to_string(span.first) + "-" +
                                            std::to_string(span.last) + "/" + std::to_string(size));
    } else {
        res.status = 200;
    }

    // httplib would apply the request's ranges to a provider of known length
    // without checking them against the size; this one streams exactly the
    // bytes chosen above, with their length given here.
    res.set_header("Content-Length", std::to_string(length));
    const std::uint64_t start = span.first;
    res.set_content_provider(
        std::string(contentTypeFor(file)), [open, start, length](std::size_t sent, httplib::DataSink& sink) {
            if (sent >= length) {
                sink.done();
                return true;
            }
            std::array<char, 64 * 1024> buffer;
            const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), length - sent));
            ssize_t got;
            do {
                got = ::pread(open->fd(), buffer.data(), want, static_cast<off_t>(start + sent));
            } while (got < 0 && errno == EINTR);
            // A file cut short while it is sent ends the connection.
            if (got <= 0) return false;
            return sink.write(buffer.data(), static_cast<std::size_t>(got));
        });
}

}  // namespace

std::string_view contentTypeFor(const fs::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    for (const TypeByExtension& entry : kTypes) {
        if (entry.extension == extension) return entry.type;
    }
    if (const publish::MovieType* movie = publish::movieTypeOf(extension)) return movie->mimeType;
    return kUnknownType;
}

std::string previewAddress(int port, std::string_view fileName) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "http://" + std::string(kLoopback) + ":" + std::to_string(port) + "/";
    for (const char c : fileName) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                           byte == '~';
        if (plain) {
            address += c;
        } else {
            address += '%';
            address += kHex[byte >> 4];
            address += kHex[byte & 0xF];
        }
    }
    return address;
}

PreviewServer::PreviewServer(const fs::path& folder)
    : folder_(fs::canonical(folder)), server_(std::make_unique<httplib::Server>()) {
    server_->Get(".*",
                 [this](const httplib::Request& req, httplib::Response& res) { answer(folder_, req, res); });
    // An idle connection is noticed only when this runs out, and stopping waits
    // for it; on this machine a new connection costs nothing.
    server_->set_keep_alive_timeout(1);
}

PreviewServer::~PreviewServer() = default;

int PreviewServer::bind() {
    const int port = server_->bind_to_any_port(std::string(kLoopback));
    return port > 0 ? port : 0;
}

bool PreviewServer::serve() {
    // stop() looks at the phase after raising its flag, serve() at the flag
    // after setting the phase: one of them sees the other.
    phase_ = Phase::Starting;
    bool served = true;
    if (!stopping_) served = server_->listen_after_bind();
    phase_ = Phase::Done;
    return served;
}

void PreviewServer::stop() {
    stopping_ = true;
    // httplib ignores a stop before its loop runs.
    while (phase_ == Phase::Starting && !server_->is_running()) std::this_thread::yield();
    server_->stop();
}

}  // namespace tessaly::cli
