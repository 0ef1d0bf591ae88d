#pragma once

// The server's socket calls: a listener on the loopback address, taking
// connections, moving bytes (a head, a span of a file), waking the loop from
// another thread, and keeping a client that has gone from ending the process.
// The Linux implementation is SocketsLinux.cpp.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/platform/FileSystem.h"

namespace tessaly::serve {

// A non-blocking socket listening on `address` at a free port, with the
// system's largest queue; port 0 when none could be had.
struct Listener {
    platform::FileDescriptor socket;
    int port = 0;
};
[[nodiscard]] Listener listenOn(std::string_view address);

// A new connection, non-blocking, its writes sent at once (no waiting for the
// client's delayed ACK); -1 when none is waiting, `outOfFiles` when the
// process or the system has no file left for it.
struct Accepted {
    int socket = -1;
    bool outOfFiles = false;
};
[[nodiscard]] Accepted acceptConnection(int listener);

// What one call moved. Again: nothing now, the poll says when; Closed: the
// connection is over (the client went, or the file was cut short).
struct Moved {
    enum class Result { Bytes, Again, Closed };
    Result result = Result::Closed;
    std::size_t bytes = 0;
};
[[nodiscard]] Moved receiveSome(int socket, char* buffer, std::size_t size);
// `more`: a body follows, so the head waits to leave with its start.
[[nodiscard]] Moved sendSome(int socket, std::string_view bytes, bool more);
[[nodiscard]] Moved sendFileSpan(int socket, int file, std::uint64_t offset, std::size_t count);

// How many files the process may hold open.
std::uint64_t openFileLimit();

// A handle the loop waits on, and the call that wakes it from any thread.
platform::FileDescriptor makeWakeUp();
void wakeUp(int wake);

// While it lives, a write to a client that has gone fails instead of raising
// a signal that would end the process; held by the loop's thread.
class BrokenPipesHeld {
public:
    BrokenPipesHeld();
    ~BrokenPipesHeld();
    BrokenPipesHeld(const BrokenPipesHeld&) = delete;
    BrokenPipesHeld& operator=(const BrokenPipesHeld&) = delete;

private:
    struct Masks;
    std::unique_ptr<Masks> masks_;
};

}  // namespace tessaly::serve
