#include "media/ModuleMovieTools.h"

#include <cerrno>
#include <cstring>

#include "core/platform/BesideProgram.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "core/platform/LoadableModule.h"
#include "media/MediaModule.h"

namespace tessaly::media {

namespace fs = std::filesystem;

std::vector<fs::path> moduleCandidates(const fs::path& programFolder) {
    return {programFolder / TESSALY_MEDIA_MODULE,
            (programFolder / ".." / TESSALY_MODULE_DIR / TESSALY_MEDIA_MODULE).lexically_normal()};
}

ModuleMovieTools::ModuleMovieTools(std::vector<fs::path> candidates) : candidates_(std::move(candidates)) {}

movies::MovieTools* ModuleMovieTools::tools() {
    std::call_once(loaded_, [this] {
        for (const fs::path& candidate : candidates_) {
            if (platform::fileStatus(candidate).kind == platform::FileKind::Missing) continue;
            const platform::ModuleSymbol entry = platform::loadModuleSymbol(candidate, kMovieToolsEntry);
            if (entry.address == nullptr) {
                error_ = platform::FileError{candidate, "load", entry.error};
                return;
            }
            tools_ = reinterpret_cast<MovieToolsEntry>(entry.address)();
            return;
        }
        std::string reason = std::strerror(ENOENT);
        for (std::size_t i = 1; i < candidates_.size(); ++i)
            reason += " (nor " + candidates_[i].string() + ")";
        error_ = platform::FileError{
            candidates_.empty() ? fs::path(TESSALY_MEDIA_MODULE) : candidates_.front(), "load", reason};
    });
    return tools_;
}

movies::MovieInfo ModuleMovieTools::inspect(const fs::path& movie, const std::atomic<bool>* stop) {
    if (movies::MovieTools* loaded = tools()) return loaded->inspect(movie, stop);
    movies::MovieInfo info;
    info.error = error_->message();
    return info;
}

movies::WriteOutcome ModuleMovieTools::moveIndexToFront(const fs::path& movie, int out,
                                                        const fs::path& outName,
                                                        const movies::ByteProgress& progress,
                                                        const std::atomic<bool>* stop) {
    if (movies::MovieTools* loaded = tools())
        return loaded->moveIndexToFront(movie, out, outName, progress, stop);
    movies::WriteOutcome outcome;
    outcome.error = error_;
    return outcome;
}

movies::MovieTools& moduleMovieTools() {
    static ModuleMovieTools tools(moduleCandidates(platform::programFolder()));
    return tools;
}

}  // namespace tessaly::media
