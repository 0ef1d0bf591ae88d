#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "core/platform/MovieCopy.h"

namespace tessaly::platform {
namespace {

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

bool cloneFile(int from, int to) { return ::ioctl(to, FICLONE, from) == 0; }

}  // namespace tessaly::platform
