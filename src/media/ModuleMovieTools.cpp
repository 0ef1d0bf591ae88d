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

namespace {

// The entry `name` of the first module of `candidates` there is, or why it
// cannot be loaded, naming the module's file.
Result<void*> loadEntry(const std::vector<fs::path>& candidates, const char* name) {
    for (const fs::path& candidate : candidates) {
        if (platform::fileStatus(candidate).kind == platform::FileKind::Missing) continue;
        const platform::ModuleSymbol entry = platform::loadModuleSymbol(candidate, name);
        if (entry.address == nullptr) return platform::FileError{candidate, "load", entry.error};
        return entry.address;
    }
    std::string reason = std::strerror(ENOENT);
    for (std::size_t i = 1; i < candidates.size(); ++i) reason += " (nor " + candidates[i].string() + ")";
    return platform::FileError{candidates.empty() ? fs::path(TESSALY_MEDIA_MODULE) : candidates.front(),
                               "load", reason};
}

}  // namespace

movies::MovieTools* ModuleMovieTools::tools() {
    std::call_once(loaded_, [this] {
        const Result<void*> entry = loadEntry(candidates_, kMovieToolsEntry);
        if (entry.ok()) {
            tools_ = reinterpret_cast<MovieToolsEntry>(entry.value())();
        } else {
            error_ = entry.failure();
        }
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

movies::WriteOutcome ModuleMovieTools::writeFirstChannel(const fs::path& movie, int out,
                                                         const fs::path& outName,
                                                         const std::atomic<bool>* stop) {
    if (movies::MovieTools* loaded = tools()) return loaded->writeFirstChannel(movie, out, outName, stop);
    movies::WriteOutcome outcome;
    outcome.error = error_;
    return outcome;
}

ModuleCaptionTools::ModuleCaptionTools(std::vector<fs::path> candidates)
    : candidates_(std::move(candidates)) {}

movies::CaptionConversion ModuleCaptionTools::toWebVtt(std::string_view text, movies::CaptionFormat format) {
    std::call_once(loaded_, [this] {
        const Result<void*> entry = loadEntry(candidates_, kCaptionToolsEntry);
        if (entry.ok()) {
            tools_ = reinterpret_cast<CaptionToolsEntry>(entry.value())();
        } else {
            error_ = entry.failure();
        }
    });
    if (tools_ != nullptr) return tools_->toWebVtt(text, format);
    movies::CaptionConversion failed;
    failed.error = error_->message();
    return failed;
}

movies::CaptionTools& moduleCaptionTools() {
    static ModuleCaptionTools tools(moduleCandidates(platform::programFolder()));
    return tools;
}

movies::MovieTools& moduleMovieTools() {
    static ModuleMovieTools tools(moduleCandidates(platform::programFolder()));
    return tools;
}

}  // namespace tessaly::media
