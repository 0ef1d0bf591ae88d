#include "core/movies/WebVersions.h"

#include <algorithm>
#include <cerrno>
#include <cmath>

#include "core/movies/MovieTexts.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "core/platform/StagedTree.h"
#include "core/text/Numbers.h"

namespace tessaly::movies {
namespace {

namespace fs = std::filesystem;

Failure failed(FailureKind kind, const platform::FileError& error) {
    return Failure{error.path, error.action, error.reason, kind, {}};
}

Failure cancelledEncode() { return cancellation(std::string(texts::kEncodeCancelled)); }

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

// A version may take the place of a regular file of its name, never of the movie itself.
Result<void> checkTarget(const fs::path& target, const fs::path& movie) {
    const platform::FileStatus status = platform::fileStatus(target);
    if (status.error != 0) return platform::errnoError(target, "write", status.error);
    if (status.kind == platform::FileKind::Folder) return platform::errnoError(target, "write", EISDIR);
    if (status.kind == platform::FileKind::Other)
        return platform::FileError{target, "write", std::string(platform::kNotRegularFile)};
    if (status.kind == platform::FileKind::Regular && sameFile(target, movie))
        return platform::FileError{target, "write", std::string(texts::kIsTheMovie)};
    return success();
}

// The largest frame of H.264 level 5.1, which phones decode in hardware: a
// stereo 360 movie stacked top and bottom is at most about 3072x3072.
constexpr long kMaxMacroblocks = 36864;

bool phonesDecode(int width, int height) {
    const long across = (width + 15) / 16, down = (height + 15) / 16;
    const long longest = static_cast<long>(std::sqrt(8.0 * kMaxMacroblocks));
    return across * down <= kMaxMacroblocks && across <= longest && down <= longest;
}

}  // namespace

std::vector<VersionSize> versionSizes(int width, int height, const std::vector<int>& widths) {
    std::vector<VersionSize> sizes;
    if (width <= 0 || height <= 0) return sizes;
    // Encoders take even sides only.
    const auto heightFor = [&](int w) {
        return static_cast<int>(std::lround(static_cast<double>(w) * height / width / 2.0)) * 2;
    };
    for (const int asked : widths) {
        int w = std::min(asked, width) / 2 * 2;
        while (w >= 2 && !phonesDecode(w, heightFor(w))) w -= 2;
        const int h = heightFor(w);
        if (w < 2 || h < 2) continue;
        const VersionSize size{w, h};
        if (std::find(sizes.begin(), sizes.end(), size) == sizes.end()) sizes.push_back(size);
    }
    std::sort(sizes.begin(), sizes.end(), [](VersionSize a, VersionSize b) { return a.width > b.width; });
    return sizes;
}

fs::path versionPath(const fs::path& folder, const fs::path& movie, VersionSize size) {
    return folder / (movie.stem().string() + "-" + text::formatInteger(size.width) + "x" +
                     text::formatInteger(size.height) + ".mp4");
}

namespace {

EncodeResult encodeVersions(const EncodeJob& job, const EncodeControl& control, bool journal) {
    // Reading a large movie takes seconds; Cancel stops it too.
    const MovieInfo info = control.tools->inspect(job.movie, control.stop);
    if (info.stopped) return cancelledEncode();
    if (info.error) return failed(FailureKind::Refused, platform::FileError{job.movie, "read", *info.error});
    const std::vector<VersionSize> sizes = versionSizes(info.width, info.height, job.widths);
    if (!info.hasVideo || sizes.empty())
        return failed(FailureKind::Refused,
                      platform::FileError{job.movie, "encode", std::string(texts::kNothingToEncode)});

    std::vector<fs::path> paths;
    for (const VersionSize size : sizes) {
        paths.push_back(versionPath(job.folder, job.movie, size));
        if (auto checked = checkTarget(paths.back(), job.movie); checked.failed())
            return failed(FailureKind::Refused, checked.failure());
    }

    // Each version is a file without a name until all are complete. Killed
    // before the project names them all, they go again with the next encode;
    // another run into this folder is found before the encoding, not after.
    platform::StagedTree tree;
    if (journal) {
        if (auto kept = tree.keepJournal(job.folder, platform::JournalKind::Encode); kept.failed())
            return failed(FailureKind::File, kept.failure());
    }
    std::vector<platform::TemporaryFile> files(sizes.size());
    std::vector<EncodeTarget> targets;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (const int error = files[i].create(paths[i]))
            return failed(FailureKind::File, platform::errnoError(paths[i], "write", error));
        targets.push_back({files[i].fd(), paths[i], sizes[i]});
    }
    std::function<void(double)> progress;
    if (control.progress) progress = [&](double seconds) { control.progress(seconds, info.duration); };
    const Result<void> encoded = control.encoder->encode(job.movie, info, targets, progress, control.stop);
    if (encoded.failed() && encoded.kind() == FailureKind::Cancelled) return cancelledEncode();
    if (encoded.failed()) return failed(FailureKind::File, encoded.failure());

    for (platform::TemporaryFile& file : files) tree.addFile(std::move(file));
    std::function<Result<void>()> name;
    if (control.nameVersions) name = [&] { return control.nameVersions(paths); };
    if (auto placed = tree.commit(name); placed.failed()) return failed(FailureKind::File, placed.failure());
    return Encoded{paths, {}};
}

}  // namespace

Message encodeMessage(const EncodeResult& result) {
    if (result.failed()) {
        const Failure& failure = result.failure();
        Topic topic = failure.kind == FailureKind::Cancelled ? Topic::EncodeDone : Topic::Warning;
        if (failure.concernsFile()) topic = Topic::EncodeFailure;
        return Message{failureText(failure, texts::kEncodeFailed), topic};
    }
    std::string text(texts::kEncodeSucceeded);
    for (const fs::path& path : result->versions) text += "\n" + path.string();
    if (result->foreignJournal.empty()) return Message{text, Topic::EncodeDone};
    return Message{text + "\n" + result->foreignJournal.string() + std::string(texts::kJournalNotOurs),
                   Topic::EncodeWarning};
}

EncodeResult encodeWebVersions(const EncodeJob& job, const EncodeControl& control) {
    // An encode killed here while its files took their names is undone first;
    // the movies the project names stay whatever its journal says.
    const platform::TreeRecovery recovery = platform::recoverInterruptedTree(
        job.folder, platform::JournalKind::Encode, platform::keptFiles(job.kept));
    if (recovery.outcome.failed()) return failed(FailureKind::File, recovery.outcome.failure());
    // Its own journal cannot take the name of one it does not trust.
    EncodeResult done = encodeVersions(job, control, recovery.foreignJournal.empty());
    const fs::path& journal = recovery.foreignJournal;
    if (journal.empty()) return done;
    if (done.ok()) {
        done->foreignJournal = journal;
        return done;
    }
    Failure failure = done.failure();
    failure.more.push_back(Failure{
        journal, {}, journal.string() + std::string(texts::kJournalNotOurs), FailureKind::Refused, {}});
    return failure;
}

}  // namespace tessaly::movies
