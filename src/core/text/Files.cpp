#include "core/text/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

#include "core/platform/FileSystem.h"

namespace tessaly::text {
namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

std::string FileError::message() const {
    std::string text = "Cannot " + action + " " + path.string();
    if (!reason.empty()) text += ": " + reason;
    return text;
}

FileError errnoError(const std::filesystem::path& path, std::string action, int errorNumber) {
    return FileError{path, std::move(action), std::generic_category().message(errorNumber)};
}

std::optional<FileError> writeFileAtomic(const std::filesystem::path& target, std::string_view bytes,
                                         Flush flush) {
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode)) return errnoError(target, "write", EISDIR);

    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = platform::temporarySibling(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return errnoError(target, "write", errno);
    platform::FileDescriptor file(fd);

    const auto fail = [&](int errorNumber) {
        file.reset();
        ::unlink(temporary.c_str());
        return errnoError(target, "write", errorNumber);
    };
    if (replacing && ::fchmod(file.get(), existing.st_mode & 07777) != 0) return fail(errno);
    if (!writeAll(file.get(), bytes)) return fail(errno);
    if (flush == Flush::ToDisk && ::fsync(file.get()) != 0) return fail(errno);
    if (::close(file.release()) != 0) return fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
    return std::nullopt;
}

ReadResult readFile(const std::filesystem::path& path) {
    ReadResult result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = errnoError(path, "open", errno);
        return result;
    }
    platform::FileDescriptor file(fd);
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        result.error = errnoError(path, "read", EISDIR);
        return result;
    }
    if (info.st_size > 0) result.bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> buffer{};
    while (true) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            result.error = errnoError(path, "read", errno);
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.bytes.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return result;
}

}  // namespace tessaly::text
