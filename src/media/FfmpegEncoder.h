#pragma once

// The web versions made by the ffmpeg command from Debian, in one pass over
// the movie: the same libraries, their own threads and pipeline, and nothing
// to keep in step with them here (bench/README.md has the measurements).

#include "core/movies/WebVersions.h"

namespace tessaly::media {

class FfmpegEncoder : public movies::MovieEncoder {
public:
    // `program`: the ffmpeg to run, looked up in PATH unless it holds a slash.
    explicit FfmpegEncoder(std::string program = "ffmpeg") : program_(std::move(program)) {}

    Result<void> encode(const std::filesystem::path& movie, const movies::MovieInfo& info,
                        const std::vector<movies::EncodeTarget>& targets,
                        const std::function<void(double seconds)>& progress,
                        const std::atomic<bool>* stop) override;

private:
    std::string program_;
};

// The arguments after the program's name, the targets written to
// /proc/self/fd/3, 4, ... in their order.
std::vector<std::string> encodeArguments(const std::filesystem::path& movie, const movies::MovieInfo& info,
                                         const std::vector<movies::EncodeTarget>& targets, unsigned threads);

}  // namespace tessaly::media
