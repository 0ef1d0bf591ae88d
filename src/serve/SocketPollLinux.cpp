#include <sys/epoll.h>

#include <array>
#include <cerrno>

#include "serve/SocketPoll.h"

namespace tessaly::serve {
namespace {

std::uint32_t epollEvents(SocketPoll::Interest interest) {
    switch (interest) {
        case SocketPoll::Interest::Read:
            return EPOLLIN;
        case SocketPoll::Interest::Write:
            return EPOLLOUT;
        case SocketPoll::Interest::None:
            break;
    }
    return 0;
}

bool control(int poll, int operation, int socket, SocketPoll::Interest interest) {
    epoll_event event{};
    event.events = epollEvents(interest);
    event.data.fd = socket;
    return ::epoll_ctl(poll, operation, socket, &event) == 0;
}

}  // namespace

SocketPoll::SocketPoll() : poll_(::epoll_create1(EPOLL_CLOEXEC)) {}

bool SocketPoll::add(int socket, Interest interest) {
    return control(poll_.get(), EPOLL_CTL_ADD, socket, interest);
}

bool SocketPoll::change(int socket, Interest interest) {
    return control(poll_.get(), EPOLL_CTL_MOD, socket, interest);
}

void SocketPoll::remove(int socket) { ::epoll_ctl(poll_.get(), EPOLL_CTL_DEL, socket, nullptr); }

bool SocketPoll::wait(std::chrono::milliseconds timeout, std::vector<Event>& ready) {
    std::array<epoll_event, 256> events;
    ready.clear();
    const int count = ::epoll_wait(poll_.get(), events.data(), static_cast<int>(events.size()),
                                   static_cast<int>(timeout.count()));
    if (count < 0) return errno == EINTR;
    for (int i = 0; i < count; ++i) ready.push_back({events[i].data.fd, (events[i].events & EPOLLERR) != 0});
    return true;
}

}  // namespace tessaly::serve
