#pragma once

// The server's one wait: for any of its sockets to have something to read, or
// room to write. The Linux implementation is epoll (SocketPollLinux.cpp).

#include <chrono>
#include <cstdint>
#include <vector>

#include "core/platform/FileSystem.h"

namespace tessaly::serve {

class SocketPoll {
public:
    enum class Interest : std::uint8_t { None, Read, Write };
    struct Event {
        int socket = -1;
        bool failed = false;  // the socket has an error: drop it
    };

    SocketPoll();
    bool valid() const { return poll_.valid(); }

    // Each false when the system refused it.
    bool add(int socket, Interest interest);
    bool change(int socket, Interest interest);
    void remove(int socket);

    // Waits up to `timeout` and fills `ready`; an interrupted wait returns
    // true with nothing ready. False when the wait itself failed.
    bool wait(std::chrono::milliseconds timeout, std::vector<Event>& ready);

private:
    platform::FileDescriptor poll_;
};

}  // namespace tessaly::serve
