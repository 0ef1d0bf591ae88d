#pragma once

// Fuzzed bytes as a file: the readers under test take paths and descriptors,
// as they do in the programs. The file lives in memory and is rewritten for
// each input.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace tessaly::fuzz {

class MemoryFile {
public:
    explicit MemoryFile(const char* name) : fd_(::memfd_create(name, MFD_CLOEXEC)) {
        if (fd_ < 0) std::abort();
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    int fd() const { return fd_; }
    std::filesystem::path path() const { return "/proc/self/fd/" + std::to_string(fd_); }

    // The file holds exactly these bytes, read from its start.
    void hold(const std::uint8_t* data, std::size_t size) {
        if (::ftruncate(fd_, 0) != 0) std::abort();
        for (std::size_t done = 0; done < size;) {
            const ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0) std::abort();
            done += static_cast<std::size_t>(n);
        }
        ::lseek(fd_, 0, SEEK_SET);
    }
    void clear() { hold(nullptr, 0); }

private:
    int fd_;
};

}  // namespace tessaly::fuzz
