#pragma once

// Small POSIX file helpers shared by the writers that land files atomically.

#include <filesystem>
#include <string>

namespace tessaly::text {

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { reset(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1);
    // Gives up ownership without closing (the caller closes and checks the result).
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// A hidden, random name beside `target` for a file on its way to becoming it:
// ".NAME.tmp-xxxxxxxx" in the same folder, so the final rename stays on one
// file system.
std::filesystem::path temporarySibling(const std::filesystem::path& target);

}  // namespace tessaly::text
