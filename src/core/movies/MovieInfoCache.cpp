#include "core/movies/MovieInfoCache.h"

#include <exception>

#include "core/platform/FileSystem.h"

namespace tessaly::movies {

MovieInfo MovieInfoCache::inspect(const std::filesystem::path& given, const std::atomic<bool>* stop) {
    // The check names a movie as the slot does, the publish by its absolute path.
    std::error_code ec;
    const std::filesystem::path movie = std::filesystem::absolute(given, ec).lexically_normal();
    const platform::FileStatus before = platform::fileStatus(movie);
    // Only a regular file has a size and a time to tell a change by.
    if (before.kind != platform::FileKind::Regular) return tools_.inspect(movie, stop);

    while (true) {
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
        if (answer.valid()) {
            MovieInfo info = answer.get();
            if (!info.stopped || (stop != nullptr && stop->load())) return info;
            continue;  // its reader was stopped, and it is forgotten by now
        }

        // Read outside the lock: another movie's header need not wait for this one.
        try {
            MovieInfo info = tools_.inspect(movie, stop);
            // Forgotten before the waiters hear of it, so they do not find it again.
            if (info.stopped) forget(movie, ticket);
            reading.set_value(info);
            return info;
        } catch (...) {
            // Not remembered, so the next caller tries again; those waiting get this error.
            forget(movie, ticket);
            reading.set_exception(std::current_exception());
            throw;
        }
    }
}

void MovieInfoCache::forget(const std::filesystem::path& movie, std::uint64_t ticket) {
    const std::lock_guard lock(mutex_);
    const auto mine = read_.find(movie);
    if (mine != read_.end() && mine->second.ticket == ticket) read_.erase(mine);
}

}  // namespace tessaly::movies
