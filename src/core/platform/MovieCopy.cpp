#include "core/platform/MovieCopy.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace tessaly::platform {

namespace fs = std::filesystem;

bool liesIn(const fs::path& movie, const fs::path& folder) {
    std::error_code ec;
    return movie.has_filename() && fs::equivalent(movie, folder / movie.filename(), ec) && !ec;
}

MovieCopyResult copyMovie(const fs::path& movie, const fs::path& folder, const CopyProgress& progress,
                          const MovieCopyOptions& options) {
    MovieCopyResult result;
    result.target = folder / movie.filename();
    const auto fail = [&](const fs::path& path, const char* action, int errorNumber) {
        result.outcome = errnoError(path, action, errorNumber);
        return std::move(result);
    };
    if (!movie.has_filename()) return fail(movie, "read", EISDIR);

    OpenedFile in = openRegularFile(movie);
    if (in.status.error != 0) return fail(movie, "open", in.status.error);
    if (in.status.kind == FileKind::Folder) return fail(movie, "read", EISDIR);
    if (in.status.kind != FileKind::Regular) {
        result.outcome = FileError{movie, "copy", std::string(kNotRegularFile)};
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
    if (options.allowClone && cloneFile(in.fd.get(), out)) {
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
