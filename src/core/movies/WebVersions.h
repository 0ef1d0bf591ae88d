#pragma once

// Make Web Versions: from the movie in slot 1, H.264 versions a browser plays
// at once, a large one and one for phones, into the project's folder, for
// slots 2 and 3. Core plans the sizes and names, checks the targets and puts
// the finished files in place; the encoder it is given does the encoding.
// A failure or a Cancel leaves no file behind.

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Prompts.h"
#include "core/Result.h"
#include "core/movies/MovieTools.h"

namespace tessaly::movies {

struct VersionSize {
    int width = 0;
    int height = 0;
    bool operator==(const VersionSize&) const = default;
};

// The widths asked for when none are given: most phones draw 4096 pixels
// across at most, small ones 2048.
inline const std::vector<int> kDefaultVersionWidths{4096, 2048};

// The sizes to make of a movie `width` x `height`: each asked width, never
// above the movie's own nor above the frame H.264 level 5.1 allows, the
// movie's aspect kept, both sides even; largest first, each size once.
std::vector<VersionSize> versionSizes(int width, int height, const std::vector<int>& widths);

// "tour-4096x2048.mp4" in `folder` for the movie tour.mov.
std::filesystem::path versionPath(const std::filesystem::path& folder, const std::filesystem::path& movie,
                                  VersionSize size);

// One file the encoder writes: an open, empty descriptor it may read back,
// to become `target`.
struct EncodeTarget {
    int fd = -1;
    std::filesystem::path target;
    VersionSize size;
};

// Encodes a movie; implemented with FFmpeg, faked by tests.
class MovieEncoder {
public:
    virtual ~MovieEncoder() = default;
    // H.264 High, yuv420p, index at the front, the sound kept as AAC, every
    // target in one pass over `movie`. `progress` gets the seconds of the
    // movie done so far; once `stop` is set it fails as Cancelled.
    virtual Result<void> encode(const std::filesystem::path& movie, const MovieInfo& info,
                                const std::vector<EncodeTarget>& targets,
                                const std::function<void(double seconds)>& progress,
                                const std::atomic<bool>* stop) = 0;
};

struct EncodeJob {
    std::filesystem::path movie;   // slot 1
    std::filesystem::path folder;  // where the versions go: the project's folder
    std::vector<int> widths = kDefaultVersionWidths;
    // Files that putting back a killed encode must leave as they are: the movies the project names.
    std::vector<std::filesystem::path> kept = {};
};

// What an encode that went through made.
struct Encoded {
    std::vector<std::filesystem::path> versions;  // largest first, for slots 2 and 3
    // A journal in the folder that this encode left alone, as not written by an
    // encode there.
    std::filesystem::path foreignJournal;
};

// An encode that failed is Refused when the movie or a version's name stopped
// it before anything was written, File when a file could not be read,
// written or named, Cancelled when stopped on request. A journal left alone
// is one of the failure's `more`.
using EncodeResult = Result<Encoded>;

// What to tell the person of an encode, the same words in the window and on
// the command line.
Message encodeMessage(const EncodeResult& result);

struct EncodeControl {
    MovieTools* tools = nullptr;
    MovieEncoder* encoder = nullptr;
    // Seconds of the movie encoded and its length; on the encoding thread.
    std::function<void(double done, double total)> progress;
    const std::atomic<bool>* stop = nullptr;
    // Names the finished versions (largest first) where they are kept, such as
    // the project's slots, once they are in place; an error takes them back out,
    // so no version is left that nothing names.
    std::function<Result<void>(const std::vector<std::filesystem::path>& versions)> nameVersions;
};

EncodeResult encodeWebVersions(const EncodeJob& job, const EncodeControl& control);

}  // namespace tessaly::movies
