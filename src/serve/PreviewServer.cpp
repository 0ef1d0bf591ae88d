#include "serve/PreviewServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/text/Text.h"
#include "serve/HttpRequest.h"
#include "serve/PreviewAnswer.h"
#include "serve/SocketPoll.h"

namespace tessaly::serve {
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kLoopback = "127.0.0.1";
// Deadlines are looked at this often; they are seconds long, so this is plenty.
constexpr std::chrono::milliseconds kSweep{100};
// The most one sendfile call moves, so one large answer cannot hold the loop.
constexpr std::size_t kSendSlice = 1 << 20;

// A socket's writes raise SIGPIPE when the client has gone; send() is told not
// to, sendfile() cannot be. The loop's thread holds SIGPIPE blocked and, when
// it ends, drops any that came before the caller's mask is back.
class SigpipeHeld {
public:
    SigpipeHeld() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
    }
    ~SigpipeHeld() {
        const timespec now{0, 0};
        while (sigtimedwait(&pipe_, nullptr, &now) == SIGPIPE) {
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    SigpipeHeld(const SigpipeHeld&) = delete;
    SigpipeHeld& operator=(const SigpipeHeld&) = delete;

private:
    sigset_t pipe_;
    sigset_t previous_;
};

struct Connection {
    platform::FileDescriptor socket;
    std::string received;  // bytes of requests not yet answered
    Answer answer;         // being sent when `sending`
    std::size_t headSent = 0;
    bool sending = false;
    SocketPoll::Interest interest = SocketPoll::Interest::Read;
    Clock::time_point deadline;
};

// As many connections as the process may hold open files for, two a connection
// (the socket and the file being sent), keeping some for everything else.
std::size_t connectionLimit() {
    rlimit files{};
    const rlim_t open = ::getrlimit(RLIMIT_NOFILE, &files) == 0 ? files.rlim_cur : 1024;
    const rlim_t usable = open > 128 ? (open - 64) / 2 : 32;
    return static_cast<std::size_t>(std::min<rlim_t>(usable, 8192));
}

class EventLoop {
public:
    EventLoop(const fs::path& folder, int port, const ServerLimits& limits, int listener, int wake)
        : folder_(folder),
          port_(port),
          limits_(limits),
          listener_(listener),
          wake_(wake),
          maxConnections_(connectionLimit()) {}

    bool run() {
        if (!poll_.valid() || !poll_.add(wake_, SocketPoll::Interest::Read) ||
            !poll_.add(listener_, SocketPoll::Interest::Read))
            return false;
        std::vector<SocketPoll::Event> events;
        Clock::time_point nextSweep = Clock::now() + kSweep;
        while (true) {
            if (!poll_.wait(kSweep, events)) return false;
            now_ = Clock::now();
            for (const SocketPoll::Event& event : events) {
                const int fd = event.socket;
                if (fd == wake_) return true;
                if (fd == listener_) {
                    acceptAll();
                    continue;
                }
                const auto found = connections_.find(fd);
                if (found == connections_.end()) continue;
                Connection& connection = *found->second;
                if (event.failed) {
                    drop(connection);
                } else if (connection.sending) {
                    if (send(connection)) handleRequests(connection);
                } else {
                    receive(connection);
                }
            }
            if (now_ >= nextSweep) {
                dropExpired();
                nextSweep = now_ + kSweep;
            }
        }
    }

private:
    void setInterest(Connection& connection, SocketPoll::Interest interest) {
        if (connection.interest == interest) return;
        poll_.change(connection.socket.get(), interest);
        connection.interest = interest;
    }

    // Stops taking connections while the table is full or the process is out of
    // files; the waiting ones stay queued in the kernel until a slot frees.
    void setAccepting(bool accepting) {
        if (accepting_ == accepting) return;
        poll_.change(listener_, accepting ? SocketPoll::Interest::Read : SocketPoll::Interest::None);
        accepting_ = accepting;
    }

    void acceptAll() {
        while (connections_.size() < maxConnections_) {
            const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0) {
                if (errno == EINTR || errno == ECONNABORTED) continue;
                if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                    setAccepting(false);
                    acceptAgainAt_ = now_ + kSweep;
                }
                return;
            }
            auto connection = std::make_unique<Connection>();
            connection->socket.reset(fd);
            // Headers and body leave at once; without this every answer after the
            // first on a kept connection waits for the client's delayed ACK.
            const int on = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            connection->deadline = now_ + limits_.header;
            if (!poll_.add(fd, SocketPoll::Interest::Read)) continue;
            connections_.emplace(fd, std::move(connection));
        }
        setAccepting(false);
    }

    void drop(Connection& connection) {
        const int fd = connection.socket.get();
        poll_.remove(fd);
        connections_.erase(fd);
        if (now_ >= acceptAgainAt_) setAccepting(true);
    }

    void dropExpired() {
        std::vector<Connection*> expired;
        for (const auto& [fd, connection] : connections_) {
            if (now_ >= connection->deadline) expired.push_back(connection.get());
        }
        for (Connection* connection : expired) drop(*connection);
        if (!accepting_ && now_ >= acceptAgainAt_ && connections_.size() < maxConnections_)
            setAccepting(true);
    }

    void receive(Connection& connection) {
        char buffer[16 * 1024];
        const ssize_t got = ::recv(connection.socket.get(), buffer, sizeof buffer, 0);
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
        if (got <= 0) return drop(connection);
        // The header time runs from a request's first byte, not from the end of
        // the idle wait before it.
        if (connection.received.empty()) connection.deadline = now_ + limits_.header;
        connection.received.append(buffer, static_cast<std::size_t>(got));
        handleRequests(connection);
    }

    // Answers every whole request received, in order, until one must wait for
    // the client to take its answer.
    void handleRequests(Connection& connection) {
        while (!connection.sending) {
            ParsedHead parsed = parseRequestHead(connection.received);
            if (parsed.status == HeadStatus::Incomplete) return;
            if (parsed.status == HeadStatus::Complete) {
                connection.answer = answerRequest(folder_, port_, parsed.request);
                connection.received.erase(0, parsed.headSize);
            } else {
                connection.answer = answerUnreadable(parsed.status);
            }
            connection.headSent = 0;
            connection.sending = true;
            if (!send(connection)) return;
        }
    }

    // Sends what the client takes of the answer; true when it is all sent and the
    // connection waits for the next request.
    bool send(Connection& connection) {
        Answer& answer = connection.answer;
        const int fd = connection.socket.get();
        while (connection.headSent < answer.head.size()) {
            const int more = answer.length > 0 ? MSG_MORE : 0;
            const ssize_t sent = ::send(fd, answer.head.data() + connection.headSent,
                                        answer.head.size() - connection.headSent, MSG_NOSIGNAL | more);
            if (sent < 0 && errno == EINTR) continue;
            if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return waitToSend(connection);
            if (sent <= 0) {
                drop(connection);
                return false;
            }
            connection.headSent += static_cast<std::size_t>(sent);
            connection.deadline = now_ + limits_.stalledWrite;
        }
        while (answer.length > 0) {
            auto offset = static_cast<off_t>(answer.offset);
            const auto slice = static_cast<std::size_t>(std::min<std::uint64_t>(answer.length, kSendSlice));
            const ssize_t sent = ::sendfile(fd, answer.body.get(), &offset, slice);
            if (sent < 0 && errno == EINTR) continue;
            if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return waitToSend(connection);
            // A file cut short while it is sent ends the connection: its length is promised.
            if (sent <= 0) {
                drop(connection);
                return false;
            }
            answer.offset += static_cast<std::uint64_t>(sent);
            answer.length -= static_cast<std::uint64_t>(sent);
            connection.deadline = now_ + limits_.stalledWrite;
        }
        if (answer.close) {
            drop(connection);
            return false;
        }
        answer = Answer();
        connection.sending = false;
        setInterest(connection, SocketPoll::Interest::Read);
        connection.deadline = now_ + (connection.received.empty() ? limits_.idle : limits_.header);
        return true;
    }

    bool waitToSend(Connection& connection) {
        setInterest(connection, SocketPoll::Interest::Write);
        return false;
    }

    const fs::path& folder_;
    const int port_;
    const ServerLimits limits_;
    const int listener_;
    const int wake_;
    const std::size_t maxConnections_;
    SocketPoll poll_;
    std::unordered_map<int, std::unique_ptr<Connection>> connections_;
    Clock::time_point now_ = Clock::now();
    Clock::time_point acceptAgainAt_{};
    bool accepting_ = true;
};

}  // namespace

std::string previewAddress(int port, std::string_view fileName) {
    return "http://" + std::string(kLoopback) + ":" + std::to_string(port) + "/" +
           text::percentEncoded(fileName);
}

PreviewServer::PreviewServer(const fs::path& folder, ServerLimits limits)
    : folder_(fs::canonical(folder)), limits_(limits), wake_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

PreviewServer::~PreviewServer() = default;

int PreviewServer::bind() {
    platform::FileDescriptor socket(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket.valid()) return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = 0;
    ::inet_pton(AF_INET, std::string(kLoopback).c_str(), &address.sin_addr);
    socklen_t length = sizeof address;
    // The kernel cuts the queue to its own maximum; a short one drops the
    // connections of a page that opens many at once.
    if (::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket.get(), INT_MAX) != 0 ||
        ::getsockname(socket.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    listener_ = std::move(socket);
    port_ = ntohs(address.sin_port);
    return port_;
}

bool PreviewServer::serve() {
    if (!listener_.valid() || !wake_.valid()) return false;
    SigpipeHeld quietPipes;
    EventLoop loop(folder_, port_, limits_, listener_.get(), wake_.get());
    return loop.run();
}

void PreviewServer::stop() {
    const std::uint64_t one = 1;
    // Only a full counter fails, and then a wake-up is already pending.
    [[maybe_unused]] const ssize_t written = ::write(wake_.get(), &one, sizeof one);
}

}  // namespace tessaly::serve
