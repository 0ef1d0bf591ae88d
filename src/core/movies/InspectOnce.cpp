#include "core/movies/InspectOnce.h"

#include "core/platform/FileSystem.h"

namespace tessaly::movies {

MovieInfo InspectOnce::inspect(const std::filesystem::path& movie) {
    const platform::FileStatus before = platform::fileStatus(movie);
    {
        const std::lock_guard lock(mutex_);
        const auto known = read_.find(movie);
        if (known != read_.end() && before.kind == platform::FileKind::Regular &&
            known->second.size == before.size && known->second.changed == before.changed)
            return known->second.info;
    }
    // Read outside the lock: another movie's header need not wait for this one.
    MovieInfo info = tools_.inspect(movie);
    if (before.kind == platform::FileKind::Regular) {
        const std::lock_guard lock(mutex_);
        read_[movie] = Read{before.size, before.changed, info};
    }
    return info;
}

}  // namespace tessaly::movies
