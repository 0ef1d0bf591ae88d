#include "core/platform/Files.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

#include "core/platform/FileSystem.h"

namespace tessaly::platform {
namespace {

// "1 MiB", "64 KiB" or "1000 bytes": the limits read as people write them.
std::string sizeText(std::uint64_t bytes) {
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes / 1024) + " KiB";
    return std::to_string(bytes) + " bytes";
}

}  // namespace

Result<std::filesystem::path> absolutePath(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) return FileError{path, "find", ec.message()};
    return absolute.lexically_normal();
}

FileError errnoError(const std::filesystem::path& path, std::string action, int errorNumber) {
    return FileError{path, std::move(action), std::generic_category().message(errorNumber)};
}

Result<void> writeFileAtomic(const std::filesystem::path& target, std::string_view bytes, Flush flush) {
    // Only a link's own kind matters: replacing it never touches what it names.
    std::error_code ec;
    const bool link = std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec));
    const FileStatus existing = fileStatus(target);
    if (!link && existing.kind == FileKind::Folder) return errnoError(target, "write", EISDIR);
    if (!link && existing.kind == FileKind::Other)
        return FileError{target, "write", std::string(kNotRegularFile)};

    TemporaryFile file;
    const auto fail = [&](int errorNumber) { return errnoError(target, "write", errorNumber); };
    if (const int error = file.create(target)) return fail(error);
    if (existing.kind == FileKind::Regular) {
        if (const int error = file.setMode(existing.mode)) return fail(error);
    }
    if (const int error = file.write(bytes)) return fail(error);
    if (flush == Flush::ToDisk) {
        if (const int error = file.sync()) return fail(error);
    }
    if (const int error = file.replaceTarget()) return fail(error);
    return success();
}

Result<std::string> readFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    OpenedFile opened = openRegularFile(path);
    const FileStatus& status = opened.status;
    if (status.error != 0 || status.kind == FileKind::Missing)
        return errnoError(path, "open", status.error != 0 ? status.error : ENOENT);
    if (status.kind == FileKind::Folder) return errnoError(path, "read", EISDIR);
    if (status.kind == FileKind::Other) return FileError{path, "read", std::string(kNotRegularFile)};
    const auto tooLarge = [&] {
        return FileError{path, "read", "File too large (over " + sizeText(maxBytes) + ")"};
    };
    if (status.size > maxBytes) return tooLarge();
    std::string bytes;
    if (status.size > 0) bytes.reserve(static_cast<std::size_t>(status.size));
    // Only what read() fills is used: no need to clear it first.
    std::array<char, 65536> buffer;
    while (true) {
        const ssize_t n = ::read(opened.fd.get(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errnoError(path, "read", errno);
        }
        if (n == 0) break;
        bytes.append(buffer.data(), static_cast<std::size_t>(n));
        // A file that grows while it is read stops at the limit all the same.
        if (bytes.size() > maxBytes) return tooLarge();
    }
    return bytes;
}

}  // namespace tessaly::platform
