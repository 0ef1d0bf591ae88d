#include "core/text/FileDescriptor.h"

#include <unistd.h>

#include <random>

namespace tessaly::text {

void FileDescriptor::reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

std::filesystem::path temporarySibling(const std::filesystem::path& target) {
    static thread_local std::mt19937 generator{std::random_device{}()};
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, 35);
    std::string name = "." + target.filename().string() + ".tmp-";
    for (int i = 0; i < 8; ++i) name += kChars[pick(generator)];
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    return folder / name;
}

}  // namespace tessaly::text
