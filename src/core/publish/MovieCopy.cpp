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

#include "core/text/FileDescriptor.h"

namespace tessaly::publish {
namespace {

namespace fs = std::filesystem;

// The copy in progress: an unnamed file in the target folder where the file
// system offers one (it vanishes by itself if the process dies), else a
// hidden named one that failure paths remove.
class Temporary {
public:
    Temporary(const fs::path& folder, const fs::path& target) : folder_(folder), target_(target) {}
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        fd_.reset();
        if (!named_.empty()) ::unlink(named_.c_str());
    }

    // errno on failure, 0 on success.
    int open() {
        const int fd = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_.reset(fd);
            return 0;
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
        for (int attempt = 0; attempt < 16; ++attempt) {
            const fs::path candidate = text::temporarySibling(target_);
            const int named = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (named >= 0) {
                fd_.reset(named);
                named_ = candidate;
                return 0;
            }
            if (errno != EEXIST) return errno;
        }
        return EEXIST;
    }

    int fd() const { return fd_.get(); }

    // Puts the copy in the target's place, flushed to disk first when asked. errno or 0.
    int commit(text::Flush flush) {
        if (flush == text::Flush::ToDisk && ::fsync(fd_.get()) != 0) return errno;
        if (named_.empty()) {
            // An unnamed file gets a name first; rename then replaces the target
            // in one step, which linkat cannot do.
            const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
            for (int attempt = 0; attempt < 16 && named_.empty(); ++attempt) {
                const fs::path candidate = text::temporarySibling(target_);
                if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                    named_ = candidate;
                } else if (errno != EEXIST) {
                    return errno;
                }
            }
            if (named_.empty()) return EEXIST;
        }
        if (::close(fd_.release()) != 0) return errno;
        if (::rename(named_.c_str(), target_.c_str()) != 0) return errno;
        named_.clear();
        return 0;
    }

private:
    fs::path folder_;
    fs::path target_;
    fs::path named_;
    text::FileDescriptor fd_;
};

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

    text::FileDescriptor in(::open(movie.c_str(), O_RDONLY | O_CLOEXEC));
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

    Temporary temporary(folder, result.target);
    if (const int error = temporary.open()) return fail(result.target, "write", error);
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
    if (const int error = temporary.commit(options.flush)) return fail(result.target, "write", error);
    return result;
}

}  // namespace tessaly::publish
