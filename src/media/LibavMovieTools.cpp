#include "media/LibavMovieTools.h"

#include "media/FirstChannel.h"
#include "media/ReadMovieInfo.h"
#include "media/Remux.h"

namespace tessaly::media {

movies::MovieInfo LibavMovieTools::inspect(const std::filesystem::path& movie,
                                           const std::atomic<bool>* stop) {
    return inspectMovie(movie, stop);
}

Result<void> LibavMovieTools::moveIndexToFront(const std::filesystem::path& movie, int out,
                                               const std::filesystem::path& outName,
                                               const movies::ByteProgress& progress,
                                               const std::atomic<bool>* stop) {
    return remuxIndexFirst(movie, out, outName, progress, stop);
}

Result<void> LibavMovieTools::writeFirstChannel(const std::filesystem::path& movie, int out,
                                                const std::filesystem::path& outName,
                                                const std::atomic<bool>* stop) {
    return media::writeFirstChannel(movie, out, outName, stop);
}

}  // namespace tessaly::media
