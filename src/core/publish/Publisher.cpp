#include "core/publish/Publisher.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <exception>
#include <memory>
#include <string_view>
#include <vector>

#include "core/movies/Captions.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "core/platform/MovieCopy.h"
#include "core/platform/StagedTree.h"
#include "core/publish/Assets.h"
#include "core/publish/Mismatches.h"
#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/PublishPlan.h"
#include "core/publish/PublishedMovie.h"
#include "core/publish/Scrambler.h"
#include "core/publish/VersionFacts.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::publish {
namespace {

namespace fs = std::filesystem;
using platform::FileKind;

// A file error as what the publish came to.
Failure failureOf(const platform::FileError& error, FailureKind kind = FailureKind::File) {
    return Failure{error.path, error.action, error.reason, kind, {}};
}

// The first error, with the others as its `more`.
Failure failureOf(const std::vector<platform::FileError>& errors, FailureKind kind) {
    Failure failure = failureOf(errors.front(), kind);
    for (std::size_t i = 1; i < errors.size(); ++i) failure.more.push_back(failureOf(errors[i], kind));
    return failure;
}

// Says of every movie whose index could not be moved that its copy keeps it at the end, and why.
struct IndexLeftAtEnd {
    fs::path movie;
    platform::FileError reason;
};

std::string succeededMessage(const std::vector<IndexLeftAtEnd>& indexLeftAtEnd) {
    std::string text(messages::kPublishingSucceeded);
    for (const IndexLeftAtEnd& left : indexLeftAtEnd)
        text += "\n" + left.movie.filename().string() + ": " + std::string(messages::kIndexLeftAtEnd) + " (" +
                left.reason.message() + ")";
    return text;
}

Failure cancelledPublish() { return cancellation(std::string(messages::kPublishingCancelled)); }

// Why a path is no movie to publish, for the line after kMovieNotFound.
std::string notAMovie(const platform::FileStatus& status) {
    if (status.error == ELOOP) return std::string(messages::kMovieLinkLoop);
    if (status.error != 0) return std::strerror(status.error);
    switch (status.kind) {
        case FileKind::Missing:
            return std::string(messages::kMovieMissing);
        case FileKind::Folder:
            return std::string(messages::kMovieIsFolder);
        case FileKind::Other:
        case FileKind::Regular:
            break;
    }
    return std::string(messages::kMovieNotRegular);
}

// "Hot Spot 3 (Door) lies off the picture: ..., not 120".
Failure hotSpotOffPicture(int n, const hotspots::HotSpot& spot) {
    return refusal(hotSpotName(n, spot) + std::string(messages::kHotSpotOffPicture) +
                   text::formatInteger(spot.yaw));
}

// The main movie's caption files, read and made WebVTT before
// anything is written: the files for beside the page and their track lines.
struct PublishedCaptions {
    std::vector<std::string> texts;
    std::vector<TreeFile> files;  // views of `texts`
    std::string trackLines;
};

// The captions to publish, or the refusal naming the file that cannot be.
Result<PublishedCaptions> readCaptions(const fs::path& movie, const movies::ChosenCaptions& chosen,
                                       const fs::path& root, movies::CaptionTools& tools) {
    PublishedCaptions published;
    std::vector<CaptionTrack> tracks;
    std::vector<bool> inPlace;
    for (const movies::CaptionFile& caption : movies::movieCaptions(movie, chosen)) {
        movies::ReadCaption read = movies::readCaption(caption, tools);
        if (read.refusal) return refusal(std::string(messages::kCaptionsRefused) + "\n" + *read.refusal);
        published.texts.push_back(std::move(read.webVtt));
        tracks.push_back({movies::publishedCaptionName(movie, caption), caption.language,
                          movies::captionLabel(caption.language)});
        // A WebVTT file already there under its published name is left as it is, as a movie is.
        std::error_code ec;
        inPlace.push_back(fs::equivalent(caption.path, root / tracks.back().file, ec) && !ec);
    }
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        if (!inPlace[i]) published.files.push_back({tracks[i].file, published.texts[i]});
    }
    published.trackLines = captionTrackLines(tracks);
    return published;
}

}  // namespace

Message failureMessage(const std::vector<platform::FileError>& errors) {
    return publishMessage(failureOf(errors, FailureKind::File));
}

Message publishMessage(const PublishResult& result) {
    if (result.failed()) return publishMessage(result.failure());
    return Message{result->message, result->foreignJournal.empty() ? Topic::Note : Topic::Warning};
}

Message publishMessage(const Failure& failure) {
    if (failure.action == kOfferAction) return Message{failure.reason, Topic::Attention};
    Topic topic = failure.kind == FailureKind::Cancelled ? Topic::Note : Topic::Warning;
    if (failure.concernsFile()) topic = Topic::Failure;
    return Message{failureText(failure, messages::kPublishingFailed), topic};
}

Result<void> checkMainMovie(const model::MovieSlots& movies) {
    const std::string mainMovie = movies.mainMovie();
    if (mainMovie.empty()) return refusal(std::string(messages::kNoMovie));
    const platform::FileStatus status = platform::fileStatus(mainMovie);
    if (status.kind != FileKind::Regular || status.error != 0)
        return refusal(std::string(messages::kMovieNotFound) + "\n" + mainMovie + ": " + notAMovie(status));
    return success();
}

Result<void> checkJob(const PublishJob& job) {
    if (Result<void> slotOne = checkMainMovie(job.movies); slotOne.failed()) return slotOne;
    if (const int n = hotspots::slotBeyondReach(job.hotSpots, movies::yawReach(job.format.field)))
        return hotSpotOffPicture(n, job.hotSpots.at(n));
    if (const auto unsupported = buildSourceLines(job.movies).unsupported)
        return Failure{unsupported->file,
                       std::string(kOfferAction),
                       unsupportedMovieMessage(*unsupported).text,
                       FailureKind::Refused,
                       {}};
    return success();
}

PublishJob publishJob(const model::MovieSlots& movies, const fs::path& page, model::ViewerSettings& settings,
                      const hotspots::HotSpotList& hotSpots, std::optional<Message>& notice) {
    CollectedConfig config = collectConfig(settings);
    notice = std::move(config.customSizeMessage);
    PublishJob job;
    job.movies = movies;
    job.page = page;
    job.config = config.values;
    job.hotSpots = hotSpots;
    job.hsIcon = settings.hsIcon;
    job.htmlTitle = settings.htmlTitle;
    job.htmlBgColor = settings.htmlBgColor;
    job.format = settings.movieFormat;
    job.captions = settings.captions;
    return job;
}

namespace {

PublishResult publishTree(const PublishJob& job, const PublishControl& control, fs::path& foreignJournal) {
    if (Result<void> checked = checkJob(job); checked.failed()) return checked.failure();
    // Stopped while the movies were read before it.
    if (stopped(control)) return cancelledPublish();
    const SourceLines sources = buildSourceLines(job.movies);

    const fs::path& page = job.page;
    const std::string config = scrambleScriptText(configScript(job.config, job.hotSpots));
    PublishedCaptions captions;
    if (control.captionTools != nullptr) {
        const Result<fs::path> movie = job.movies.absolutePath(0);
        if (movie.failed()) return failureOf(movie.failure());
        Result<PublishedCaptions> read =
            readCaptions(movie.value(), job.captions, page.parent_path(), *control.captionTools);
        if (read.failed()) return read.failure();
        captions = std::move(read).value();
    }
    const std::string pageBytes =
        pageText(pageTemplate(), sources.lines + captions.trackLines, job.htmlTitle, job.htmlBgColor);
    // A publish killed here before: its page comes back first, then this one is
    // planned. Whatever a journal says, the project and its movies stay.
    std::vector<fs::path> kept{job.project};
    for (std::size_t slot = 0; slot < job.movies.size(); ++slot) kept.push_back(job.movies.path(slot));
    const platform::TreeRecovery recovery = platform::recoverInterruptedTree(
        page.parent_path(), platform::JournalKind::Publish, platform::keptFiles(kept));
    if (recovery.outcome.failed()) return failureOf(recovery.outcome.failure());
    foreignJournal = recovery.foreignJournal;
    const Plan plan = makePlan(job, page, config, pageBytes, captions.files);
    if (!plan.problems.empty()) return failureOf(plan.problems, FailureKind::Refused);

    // Dropped on any return before commit(): the folder goes back to what it was.
    platform::StagedTree tree;
    const auto failed = [](const platform::FileError& error) { return failureOf(error); };
    const auto cancelled = [] { return cancelledPublish(); };

    std::vector<IndexLeftAtEnd> indexLeftAtEnd;
    std::vector<std::unique_ptr<MovieReading>> readings;
    for (const MovieCopyPlan& movie : plan.movies) {
        const bool read = control.movieTools != nullptr;
        readings.push_back(read ? startReading(*control.movieTools, movie.source, control.stop) : nullptr);
    }
    for (const fs::path& folder : plan.folders) {
        if (auto step = tree.makeFolder(folder); step.failed()) return failed(step.failure());
        // From the page folder on, what a killed publish did can be undone by
        // the next; not while a journal it cannot trust holds the name.
        if (folder == plan.root && foreignJournal.empty()) {
            if (auto step = tree.keepJournal(plan.root); step.failed()) return failed(step.failure());
        }
    }
    for (const TreeFile& file : plan.files) {
        if (stopped(control)) return cancelled();
        if (auto step = tree.addFile(file.target, file.bytes); step.failed()) return failed(step.failure());
    }
    for (std::size_t i = 0; i < plan.movies.size(); ++i) {
        const MovieCopyPlan& movie = plan.movies[i];
        platform::CopyProgress progress;
        if (control.progress)
            progress = [&](std::uint64_t done, std::uint64_t total) {
                control.progress(movie.source, done, total);
            };
        PublishedMovie published =
            movieCopy(movie, plan.root, control, movie.sameFile ? nullptr : readings[i].get(), progress);
        platform::MovieCopyResult& copy = published.copy;
        if (copy.stopped) return cancelled();
        if (copy.outcome.failed()) return failed(copy.outcome.failure());
        if (!copy.sameFile) tree.addFile(std::move(copy.copy));
        if (published.indexMove.failed())
            indexLeftAtEnd.push_back({movie.source, published.indexMove.failure()});
    }
    SlotInfos infos;
    for (std::size_t i = 0; i < plan.movies.size(); ++i) {
        if (readings[i]) infos[plan.movies[i].slot] = readings[i]->info.get();
    }
    const std::string pageWithFacts = pageText(
        pageTemplate(), buildSourceLines(job.movies, versionAttributes(infos)).lines + captions.trackLines,
        job.htmlTitle, job.htmlBgColor);
    if (auto step = tree.addFile(plan.page.target, pageWithFacts); step.failed())
        return failed(step.failure());
    if (stopped(control)) return cancelled();
    if (auto step = tree.commit(); step.failed()) return failed(step.failure());

    // What killed publishes left in these folders would be uploaded with the site.
    for (const fs::path& folder : plan.folders) platform::removeStaleTemporaries(folder);
    Published done{succeededMessage(indexLeftAtEnd), {}, {}};
    for (const IndexLeftAtEnd& left : indexLeftAtEnd) done.indexLeftAtEnd.push_back(left.movie);
    return done;
}

}  // namespace

Result<void> finishInterruptedPublish(const fs::path& folder) {
    return platform::recoverInterruptedTree(folder).outcome;
}

PublishResult publish(const PublishJob& job, const PublishControl& control) {
    // Out of memory or a path the library cannot take: the staged tree has
    // already been taken back by the time this is reported.
    try {
        fs::path foreignJournal;
        PublishResult done = publishTree(job, control, foreignJournal);
        if (foreignJournal.empty()) return done;
        const std::string leftAlone = foreignJournal.string() + std::string(messages::kJournalNotOurs);
        if (done.ok()) {
            done->message += "\n" + leftAlone;
            done->foreignJournal = foreignJournal;
            return done;
        }
        Failure failure = done.failure();
        failure.more.push_back(Failure{foreignJournal, {}, leftAlone, FailureKind::Refused, {}});
        return failure;
    } catch (const std::exception& error) {
        // Named by the page: the library's words may name none, or a temporary.
        return Failure{job.page, "write", error.what(), FailureKind::File, {}};
    }
}

}  // namespace tessaly::publish
