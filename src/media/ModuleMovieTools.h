#pragma once

// The movie tools the programs use: those of the media module, loaded the
// first time a movie is read. FFmpeg's libraries bring over a hundred shared
// objects with them; loading them at start cost every command, movie or not,
// tens of milliseconds and megabytes.

#include <filesystem>
#include <mutex>
#include <optional>
#include <vector>

#include "core/Result.h"
#include "core/movies/CaptionTools.h"
#include "core/movies/MovieTools.h"

namespace tessaly::media {

// Where the module may lie, first found first: beside the program (the build
// tree, a folder install), then in the private library folder of a prefix
// install (/usr/bin/../lib/tessaly).
std::vector<std::filesystem::path> moduleCandidates(const std::filesystem::path& programFolder);

class ModuleMovieTools : public movies::MovieTools {
public:
    explicit ModuleMovieTools(std::vector<std::filesystem::path> candidates);

    // Without the module, inspect() gives the reason it could not be loaded
    // (naming the module's file) as the movie's error, and moveIndexToFront()
    // as its error: the caller reports it like any unreadable movie.
    using MovieTools::inspect;
    movies::MovieInfo inspect(const std::filesystem::path& movie, const std::atomic<bool>* stop) override;
    Result<void> moveIndexToFront(const std::filesystem::path& movie, int out,
                                  const std::filesystem::path& outName, const movies::ByteProgress& progress,
                                  const std::atomic<bool>* stop) override;
    Result<void> writeFirstChannel(const std::filesystem::path& movie, int out,
                                   const std::filesystem::path& outName,
                                   const std::atomic<bool>* stop) override;

private:
    // The module's tools, loaded by the first caller, or why they cannot be,
    // naming the module's file.
    const Result<movies::MovieTools*>& tools();

    std::vector<std::filesystem::path> candidates_;
    std::once_flag loaded_;
    std::optional<Result<movies::MovieTools*>> tools_;  // set once, by the first caller
};

// The module's caption tools. Without the module, a conversion's error is why
// it could not be loaded.
class ModuleCaptionTools : public movies::CaptionTools {
public:
    explicit ModuleCaptionTools(std::vector<std::filesystem::path> candidates);
    movies::CaptionConversion toWebVtt(std::string_view text, movies::CaptionFormat format) override;

private:
    std::vector<std::filesystem::path> candidates_;
    std::once_flag loaded_;
    std::optional<Result<movies::CaptionTools*>> tools_;  // set once, by the first caller
};

// The tools of the running program's own module, shared by everything in it.
movies::MovieTools& moduleMovieTools();
movies::CaptionTools& moduleCaptionTools();

}  // namespace tessaly::media
