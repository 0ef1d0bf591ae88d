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

// The tools that the module's entry `name` (of type `Entry`) gives, or why it cannot be loaded.
template <class Tools, class Entry>
Result<Tools*> loadTools(const std::vector<fs::path>& candidates, const char* name) {
    const Result<void*> entry = loadEntry(candidates, name);
    if (entry.failed()) return entry.failure();
    return reinterpret_cast<Entry>(entry.value())();
}

}  // namespace

const Result<movies::MovieTools*>& ModuleMovieTools::tools() {
    std::call_once(loaded_, [this] {
        tools_.emplace(loadTools<movies::MovieTools, MovieToolsEntry>(candidates_, kMovieToolsEntry));
    });
    return *tools_;
}

movies::MovieInfo ModuleMovieTools::inspect(const fs::path& movie, const std::atomic<bool>* stop) {
    const Result<movies::MovieTools*>& loaded = tools();
    if (loaded.ok()) return loaded.value()->inspect(movie, stop);
    movies::MovieInfo info;
    info.error = loaded.failure().message();
    return info;
}

Result<void> ModuleMovieTools::moveIndexToFront(const fs::path& movie, int out, const fs::path& outName,
                                                const movies::ByteProgress& progress,
                                                const std::atomic<bool>* stop) {
    const Result<movies::MovieTools*>& loaded = tools();
    if (loaded.failed()) return loaded.failure();
    return loaded.value()->moveIndexToFront(movie, out, outName, progress, stop);
}

Result<void> ModuleMovieTools::writeFirstChannel(const fs::path& movie, int out, const fs::path& outName,
                                                 const std::atomic<bool>* stop) {
    const Result<movies::MovieTools*>& loaded = tools();
    if (loaded.failed()) return loaded.failure();
    return loaded.value()->writeFirstChannel(movie, out, outName, stop);
}

ModuleCaptionTools::ModuleCaptionTools(std::vector<fs::path> candidates)
    : candidates_(std::move(candidates)) {}

movies::CaptionConversion ModuleCaptionTools::toWebVtt(std::string_view text, movies::CaptionFormat format) {
    std::call_once(loaded_, [this] {
        tools_.emplace(loadTools<movies::CaptionTools, CaptionToolsEntry>(candidates_, kCaptionToolsEntry));
    });
    if (tools_->ok()) return tools_->value()->toWebVtt(text, format);
    movies::CaptionConversion failed;
    failed.error = tools_->failure().message();
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
