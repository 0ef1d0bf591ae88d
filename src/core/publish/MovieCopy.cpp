#include "core/publish/MovieCopy.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>
#include <system_error>

#include "core/platform/FileSystem.h"

namespace tessaly::publish {
namespace {

namespace fs = std::filesystem;

enum class Step { Done, Fallback, Failed };

// The kernel copies within the file system. Anything it cannot do is left to
// the plain copy, which then starts where this one stopped.
Step copyRange(int in, int out, std::uint64_t& done, std::uint64_t total, const CopyProgress& progress,
               std::size_t chunk) {
    while (true) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, chunk, 0);
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
        return result;
    };
    if (!movie.has_filename()) return fail(movie, "read", EISDIR);

    platform::FileDescriptor in(::open(movie.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid()) return fail(movie, "open", errno);
    struct stat info {};
    if (::fstat(in.get(), &info) != 0) return fail(movie, "read", errno);
    if (S_ISDIR(info.st_mode)) return fail(movie, "read", EISDIR);
    const auto total = static_cast<std::uint64_t>(info.st_size);

    std::error_code ec;
    if (fs::equivalent(movie, result.target, ec) && !ec) {
        result.sameFile = true;
        if (progress) progress(total, total);
        return result;
    }

    // An unnamed file where the system has them: a killed copy leaves nothing.
    platform::TemporaryFile temporary;
    if (const int error = temporary.create(result.target)) return fail(result.target, "write", error);
    const int out = temporary.fd();

    std::uint64_t done = 0;
    bool copied = false;
    if (options.allowClone && ::ioctl(out, FICLONE, in.get()) == 0) {
        done = total;
        if (progress) progress(done, total);
        copied = true;
    }
    if (!copied && options.allowCopyRange) {
        copied = copyRange(in.get(), out, done, total, progress, options.rangeChunk) == Step::Done;
    }
    if (!copied) {
        ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
        const std::size_t size = std::max<std::size_t>(options.bufferSize, 1);
        const auto buffer = std::make_unique<char[]>(size);
        while (true) {
            const ssize_t n = ::read(in.get(), buffer.get(), size);
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
    if (options.flush == text::Flush::ToDisk) {
        if (const int error = temporary.sync()) return fail(result.target, "write", error);
    }
    if (const int error = temporary.replaceTarget()) return fail(result.target, "write", error);
    return result;
}

}  // namespace tessaly::publish
