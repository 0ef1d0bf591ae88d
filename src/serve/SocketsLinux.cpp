#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include "serve/Sockets.h"

namespace tessaly::serve {
namespace {

// What a failed call on a socket means for the connection.
Moved failed(bool interruptedToo) {
    const bool again = errno == EAGAIN || errno == EWOULDBLOCK || (interruptedToo && errno == EINTR);
    return {again ? Moved::Result::Again : Moved::Result::Closed, 0};
}

Moved moved(ssize_t count) {
    if (count <= 0) return {Moved::Result::Closed, 0};
    return {Moved::Result::Bytes, static_cast<std::size_t>(count)};
}

}  // namespace

Listener listenOn(std::string_view address) {
    platform::FileDescriptor socket(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket.valid()) return Listener();
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_port = 0;
    ::inet_pton(AF_INET, std::string(address).c_str(), &at.sin_addr);
    socklen_t length = sizeof at;
    // The kernel cuts the queue to its own maximum; a short one drops the
    // connections of a page that opens many at once.
    if (::bind(socket.get(), reinterpret_cast<const sockaddr*>(&at), sizeof at) != 0 ||
        ::listen(socket.get(), INT_MAX) != 0 ||
        ::getsockname(socket.get(), reinterpret_cast<sockaddr*>(&at), &length) != 0)
        return Listener();
    return {std::move(socket), ntohs(at.sin_port)};
}

Accepted acceptConnection(int listener) {
    while (true) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return {-1, errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM};
        }
        // Headers and body leave at once; without this every answer after the
        // first on a kept connection waits for the client's delayed ACK.
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        return {fd, false};
    }
}

Moved receiveSome(int socket, char* buffer, std::size_t size) {
    const ssize_t got = ::recv(socket, buffer, size, 0);
    return got < 0 ? failed(true) : moved(got);
}

Moved sendSome(int socket, std::string_view bytes, bool more) {
    while (true) {
        const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL | (more ? MSG_MORE : 0));
        if (sent < 0 && errno == EINTR) continue;
        return sent < 0 ? failed(false) : moved(sent);
    }
}

Moved sendFileSpan(int socket, int file, std::uint64_t offset, std::size_t count) {
    while (true) {
        auto at = static_cast<off_t>(offset);
        const ssize_t sent = ::sendfile(socket, file, &at, count);
        if (sent < 0 && errno == EINTR) continue;
        return sent < 0 ? failed(false) : moved(sent);
    }
}

std::uint64_t openFileLimit() {
    rlimit files{};
    return ::getrlimit(RLIMIT_NOFILE, &files) == 0 ? static_cast<std::uint64_t>(files.rlim_cur) : 1024;
}

platform::FileDescriptor makeWakeUp() {
    return platform::FileDescriptor(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
}

void wakeUp(int wake) {
    const std::uint64_t one = 1;
    // Only a full counter fails, and then a wake-up is already pending.
    [[maybe_unused]] const ssize_t written = ::write(wake, &one, sizeof one);
}

// send() is told not to raise SIGPIPE, sendfile() cannot be: the loop's thread
// holds it blocked and, when it ends, drops any that came before the caller's
// mask is back.
struct BrokenPipesHeld::Masks {
    sigset_t pipe;
    sigset_t previous;
};

BrokenPipesHeld::BrokenPipesHeld() : masks_(std::make_unique<Masks>()) {
    sigemptyset(&masks_->pipe);
    sigaddset(&masks_->pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &masks_->pipe, &masks_->previous);
}

BrokenPipesHeld::~BrokenPipesHeld() {
    const timespec now{0, 0};
    while (sigtimedwait(&masks_->pipe, nullptr, &now) == SIGPIPE) {
    }
    pthread_sigmask(SIG_SETMASK, &masks_->previous, nullptr);
}

}  // namespace tessaly::serve
