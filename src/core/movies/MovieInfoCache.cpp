#include "core/movies/MovieInfoCache.h"

#include <exception>

#include "core/platform/FileSystem.h"

namespace tessaly::movies {

MovieInfo MovieInfoCache::inspect(const std::filesystem::path& given) {
    // The check names a movie as the slot does, the publish by its absolute path.
    std::error_code ec;
    const std::filesystem::path movie = std::filesystem::absolute(given, ec).lexically_normal();
    const platform::FileStatus before = platform::fileStatus(movie);
    // Only a regular file has a size and a time to tell a change by.
    if (before.kind != platform::FileKind::Regular) return tools_.inspect(movie);

    std::promise<MovieInfo> reading;
    std::uint64_t ticket = 0;
    std::shared_future<MovieInfo> answer;
    {
        const std::lock_guard lock(mutex_);
        const auto known = read_.find(movie);
        if (known != read_.end() && known->second.size == before.size &&
            known->second.changed == before.changed) {
            answer = known->second.info;
        } else {
            ticket = ++tickets_;
            read_[movie] = Read{before.size, before.changed, ticket, reading.get_future().share()};
        }
    }
    // Read, or being read by another caller: its answer, waited for outside the lock.
    if (answer.valid()) return answer.get();

    // Read outside the lock: another movie's header need not wait for this one.
    try {
        MovieInfo info = tools_.inspect(movie);
        reading.set_value(info);
        return info;
    } catch (...) {
        // Not remembered, so the next caller tries again; those waiting get this error.
        {
            const std::lock_guard lock(mutex_);
            const auto mine = read_.find(movie);
            if (mine != read_.end() && mine->second.ticket == ticket) read_.erase(mine);
        }
        reading.set_exception(std::current_exception());
        throw;
    }
}

}  // namespace tessaly::movies
