#include "serve/PreviewServer.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/text/Text.h"
#include "serve/HttpRequest.h"
#include "serve/PreviewAnswer.h"
#include "serve/SocketPoll.h"
#include "serve/Sockets.h"

namespace tessaly::serve {
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kLoopback = "127.0.0.1";
// Deadlines are looked at this often; they are seconds long, so this is plenty.
constexpr std::chrono::milliseconds kSweep{100};
// The most one sendfile call moves, so one large answer cannot hold the loop.
constexpr std::size_t kSendSlice = 1 << 20;

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
    const std::uint64_t open = openFileLimit();
    const std::uint64_t usable = open > 128 ? (open - 64) / 2 : 32;
    return static_cast<std::size_t>(std::min<std::uint64_t>(usable, 8192));
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
            const Accepted accepted = acceptConnection(listener_);
            if (accepted.socket < 0) {
                if (accepted.outOfFiles) {
                    setAccepting(false);
                    acceptAgainAt_ = now_ + kSweep;
                }
                return;
            }
            const int fd = accepted.socket;
            auto connection = std::make_unique<Connection>();
            connection->socket.reset(fd);
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
        const Moved got = receiveSome(connection.socket.get(), buffer, sizeof buffer);
        if (got.result == Moved::Result::Again) return;
        if (got.result == Moved::Result::Closed) return drop(connection);
        // The header time runs from a request's first byte, not from the end of
        // the idle wait before it.
        if (connection.received.empty()) connection.deadline = now_ + limits_.header;
        connection.received.append(buffer, got.bytes);
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
            const Moved sent =
                sendSome(fd, std::string_view(answer.head).substr(connection.headSent), answer.length > 0);
            if (!sentSome(connection, sent)) return false;
            connection.headSent += sent.bytes;
        }
        while (answer.length > 0) {
            const auto slice = static_cast<std::size_t>(std::min<std::uint64_t>(answer.length, kSendSlice));
            // A file cut short while it is sent ends the connection: its length is promised.
            const Moved sent = sendFileSpan(fd, answer.body.get(), answer.offset, slice);
            if (!sentSome(connection, sent)) return false;
            answer.offset += sent.bytes;
            answer.length -= sent.bytes;
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

    // Whether `sent` moved bytes; otherwise the connection waits for room, or is dropped.
    bool sentSome(Connection& connection, const Moved& sent) {
        if (sent.result == Moved::Result::Again) {
            setInterest(connection, SocketPoll::Interest::Write);
            return false;
        }
        if (sent.result == Moved::Result::Closed) {
            drop(connection);
            return false;
        }
        connection.deadline = now_ + limits_.stalledWrite;
        return true;
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
    : folder_(fs::canonical(folder)), limits_(limits), wake_(makeWakeUp()) {}

PreviewServer::~PreviewServer() = default;

int PreviewServer::bind() {
    Listener listener = listenOn(kLoopback);
    if (listener.port == 0) return 0;
    listener_ = std::move(listener.socket);
    port_ = listener.port;
    return port_;
}

bool PreviewServer::serve() {
    if (!listener_.valid() || !wake_.valid()) return false;
    const BrokenPipesHeld quietPipes;
    EventLoop loop(folder_, port_, limits_, listener_.get(), wake_.get());
    return loop.run();
}

void PreviewServer::stop() { wakeUp(wake_.get()); }

}  // namespace tessaly::serve
