#include "core/platform/MovieCopy.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

namespace tessaly::platform {
namespace {

namespace fs = std::filesystem;

bool stopped(const MovieCopyOptions& options) {
    const auto set = [](const std::atomic<bool>* flag) {
        return flag != nullptr && flag->load(std::memory_order_relaxed);
    };
    return set(options.stop) || set(options.alsoStop);
}

// The kernel copies within the file system. Anything it cannot do is left to
// the plain copy, which then starts where this one stopped.
bool copyInKernel(int in, std::uint64_t inOffset, int out, std::uint64_t outOffset, std::uint64_t length,
                  RangeCopy& result, const std::function<void(std::uint64_t)>& progress,
                  const MovieCopyOptions& options) {
    while (result.copied < length) {
        if (stopped(options)) {
            result.stopped = true;
            return true;
        }
        auto from = static_cast<off64_t>(inOffset + result.copied);
        auto to = static_cast<off64_t>(outOffset + result.copied);
        const std::uint64_t chunk = std::min<std::uint64_t>(length - result.copied, options.rangeChunk);
        const ssize_t n = ::copy_file_range(in, &from, out, &to, static_cast<std::size_t>(chunk), 0);
        if (n < 0 && errno == EINTR) continue;
        // Some file systems answer 0 before the end; the plain copy finds out.
        if (n <= 0) return false;
        result.copied += static_cast<std::uint64_t>(n);
        if (progress) progress(result.copied);
    }
    return true;
}

}  // namespace

RangeCopy copyRange(int in, std::uint64_t inOffset, int out, std::uint64_t outOffset, std::uint64_t length,
                    const std::function<void(std::uint64_t)>& progress, const MovieCopyOptions& options) {
    RangeCopy result;
    if (options.allowCopyRange && options.rangeChunk > 0 &&
        copyInKernel(in, inOffset, out, outOffset, length, result, progress, options))
        return result;
    ::posix_fadvise(in, static_cast<off_t>(inOffset + result.copied), 0, POSIX_FADV_SEQUENTIAL);
    const std::size_t size = std::max<std::size_t>(options.bufferSize, 1);
    const auto buffer = std::make_unique<char[]>(size);
    while (result.copied < length) {
        if (stopped(options)) {
            result.stopped = true;
            return result;
        }
        const std::uint64_t wanted = std::min<std::uint64_t>(length - result.copied, size);
        const ssize_t n = ::pread(in, buffer.get(), static_cast<std::size_t>(wanted),
                                  static_cast<off_t>(inOffset + result.copied));
        if (n < 0) {
            if (errno == EINTR) continue;
            result.readError = errno;
            return result;
        }
        if (n == 0) break;
        for (ssize_t written = 0; written < n;) {
            const ssize_t w = ::pwrite(out, buffer.get() + written, static_cast<std::size_t>(n - written),
                                       static_cast<off_t>(outOffset + result.copied) + written);
            if (w < 0) {
                if (errno == EINTR) continue;
                result.writeError = errno;
                return result;
            }
            written += w;
        }
        result.copied += static_cast<std::uint64_t>(n);
        if (progress) progress(result.copied);
    }
    return result;
}

bool liesIn(const fs::path& movie, const fs::path& folder) {
    std::error_code ec;
    return movie.has_filename() && fs::equivalent(movie, folder / movie.filename(), ec) && !ec;
}

MovieCopyResult copyMovie(const fs::path& movie, const fs::path& folder, const CopyProgress& progress,
                          const MovieCopyOptions& options) {
    MovieCopyResult result;
    result.target = folder / movie.filename();
    const auto fail = [&](const fs::path& path, const char* action, int errorNumber) {
        result.error = errnoError(path, action, errorNumber);
        return std::move(result);
    };
    if (!movie.has_filename()) return fail(movie, "read", EISDIR);

    OpenedFile in = openRegularFile(movie);
    if (in.status.error != 0) return fail(movie, "open", in.status.error);
    if (in.status.kind == FileKind::Folder) return fail(movie, "read", EISDIR);
    if (in.status.kind != FileKind::Regular) {
        result.error = FileError{movie, "copy", std::string(kNotRegularFile)};
        return result;
    }
    const std::uint64_t total = in.status.size;

    if (liesIn(movie, folder)) {
        result.sameFile = true;
        if (progress) progress(total, total);
        return result;
    }

    TemporaryFile temporary;
    if (const int error = temporary.create(result.target)) return fail(result.target, "write", error);
    const int out = temporary.fd();

    std::uint64_t done = 0;
    if (options.allowClone && ::ioctl(out, FICLONE, in.fd.get()) == 0) {
        done = total;
        if (progress) progress(done, total);
    } else {
        // To the end of the file, whatever its size by now.
        const RangeCopy copied = copyRange(
            in.fd.get(), 0, out, 0, std::numeric_limits<std::uint64_t>::max(),
            [&](std::uint64_t bytes) {
                if (progress) progress(bytes, std::max(bytes, total));
            },
            options);
        done = copied.copied;
        if (copied.stopped) {
            result.stopped = true;
            return result;
        }
        if (copied.readError != 0) return fail(movie, "read", copied.readError);
        if (copied.writeError != 0) return fail(result.target, "write", copied.writeError);
    }
    if (progress && done == 0) progress(0, 0);
    result.copy = std::move(temporary);
    return result;
}

}  // namespace tessaly::platform
