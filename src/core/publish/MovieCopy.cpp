#include "core/publish/MovieCopy.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

namespace tessaly::publish {
namespace {

namespace fs = std::filesystem;

enum class Step { Done, Fallback, Stopped };

bool stopped(const MovieCopyOptions& options) {
    const auto set = [](const std::atomic<bool>* flag) {
        return flag != nullptr && flag->load(std::memory_order_relaxed);
    };
    return set(options.stop) || set(options.alsoStop);
}

// The kernel copies within the file system. Anything it cannot do is left to
// the plain copy, which then starts where this one stopped.
Step copyRange(int in, int out, std::uint64_t& done, std::uint64_t total, const CopyProgress& progress,
               const MovieCopyOptions& options) {
    while (true) {
        if (stopped(options)) return Step::Stopped;
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, options.rangeChunk, 0);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Step::Fallback;
        }
        // Some file systems answer 0 before the end; the plain copy finds out.
        if (n == 0) return done < total ? Step::Fallback : Step::Done;
        done += static_cast<std::uint64_t>(n);
        if (progress) progress(done, std::max(done, total));
    }
}

}  // namespace

MovieCopyResult copyMovie(const fs::path& movie, const fs::path& folder, const CopyProgress& progress,
                          const MovieCopyOptions& options) {
    MovieCopyResult result;
    result.target = folder / movie.filename();
    const auto fail = [&](const fs::path& path, const char* action, int errorNumber) {
        result.error = text::errnoError(path, action, errorNumber);
        return std::move(result);
    };
    if (!movie.has_filename()) return fail(movie, "read", EISDIR);

    platform::OpenedFile in = platform::openRegularFile(movie);
    if (in.status.error != 0) return fail(movie, "open", in.status.error);
    if (in.status.kind == platform::FileKind::Folder) return fail(movie, "read", EISDIR);
    if (in.status.kind != platform::FileKind::Regular) {
        result.error = text::FileError{movie, "copy", std::string(text::kNotRegularFile)};
        return result;
    }
    const std::uint64_t total = in.status.size;

    std::error_code ec;
    if (fs::equivalent(movie, result.target, ec) && !ec) {
        result.sameFile = true;
        if (progress) progress(total, total);
        return result;
    }

    platform::TemporaryFile temporary;
    if (const int error = temporary.create(result.target)) return fail(result.target, "write", error);
    const int out = temporary.fd();

    std::uint64_t done = 0;
    bool copied = false;
    if (options.allowClone && ::ioctl(out, FICLONE, in.fd.get()) == 0) {
        done = total;
        if (progress) progress(done, total);
        copied = true;
    }
    if (!copied && options.allowCopyRange) {
        const Step step = copyRange(in.fd.get(), out, done, total, progress, options);
        if (step == Step::Stopped) {
            result.stopped = true;
            return result;
        }
        copied = step == Step::Done;
    }
    if (!copied) {
        ::posix_fadvise(in.fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
        const std::size_t size = std::max<std::size_t>(options.bufferSize, 1);
        const auto buffer = std::make_unique<char[]>(size);
        while (true) {
            if (stopped(options)) {
                result.stopped = true;
                return result;
            }
            const ssize_t n = ::read(in.fd.get(), buffer.get(), size);
            if (n < 0) {
                if (errno == EINTR) continue;
                return fail(movie, "read", errno);
            }
            if (n == 0) break;
            for (ssize_t written = 0; written < n;) {
                const ssize_t w = ::write(out, buffer.get() + written, static_cast<std::size_t>(n - written));
                if (w < 0) {
                    if (errno == EINTR) continue;
                    return fail(result.target, "write", errno);
                }
                written += w;
            }
            done += static_cast<std::uint64_t>(n);
            if (progress) progress(done, std::max(done, total));
        }
    }
    if (progress && done == 0) progress(0, 0);
    result.copy = std::move(temporary);
    return result;
}

}  // namespace tessaly::publish
