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

Message message(std::string_view text, Topic topic) { return Message{std::string(text), topic}; }

PublishReport report(PublishOutcome outcome, Message message) { return {outcome, std::move(message)}; }

// Says of every movie whose index could not be moved that its copy keeps it at the end, and why.
struct IndexLeftAtEnd {
    fs::path movie;
    platform::FileError reason;
};

Message succeededMessage(const std::vector<IndexLeftAtEnd>& indexLeftAtEnd) {
    std::string text(messages::kPublishingSucceeded);
    for (const IndexLeftAtEnd& left : indexLeftAtEnd)
        text += "\n" + left.movie.filename().string() + ": " + std::string(messages::kIndexLeftAtEnd) + " (" +
                left.reason.message() + ")";
    return message(text, Topic::Note);
}

Message cancelledMessage() { return message(messages::kPublishingCancelled, Topic::Note); }

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
Message hotSpotOffPicture(int n, const hotspots::HotSpot& spot) {
    return Message{
        hotSpotName(n, spot) + std::string(messages::kHotSpotOffPicture) + text::formatInteger(spot.yaw),
        Topic::Warning};
}

// The main movie's caption files, read and made WebVTT before
// anything is written: the files for beside the page, their track lines, or
// the refusal naming the file that cannot be.
struct PublishedCaptions {
    std::vector<std::string> texts;
    std::vector<TreeFile> files;  // views of `texts`
    std::string trackLines;
    std::optional<Message> refusal;
};

PublishedCaptions readCaptions(const fs::path& movie, const movies::ChosenCaptions& chosen,
                               const fs::path& root, movies::CaptionTools& tools) {
    PublishedCaptions published;
    std::vector<CaptionTrack> tracks;
    std::vector<bool> inPlace;
    for (const movies::CaptionFile& caption : movies::movieCaptions(movie, chosen)) {
        movies::ReadCaption read = movies::readCaption(caption, tools);
        if (read.refusal) {
            published.refusal = message(messages::kCaptionsRefused, Topic::Warning);
            published.refusal->text += "\n" + *read.refusal;
            return published;
        }
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
    std::string text(messages::kPublishingFailed);
    for (const platform::FileError& error : errors) text += "\n" + error.message();
    return message(text, Topic::Failure);
}

std::optional<Message> checkMainMovie(const model::MovieSlots& movies) {
    const std::string mainMovie = movies.mainMovie();
    if (mainMovie.empty()) return message(messages::kNoMovie, Topic::Warning);
    const platform::FileStatus status = platform::fileStatus(mainMovie);
    if (status.kind != FileKind::Regular || status.error != 0) {
        Message refusal = message(messages::kMovieNotFound, Topic::Warning);
        refusal.text += "\n" + mainMovie + ": " + notAMovie(status);
        return refusal;
    }
    return std::nullopt;
}

std::optional<Message> checkJob(const PublishJob& job) {
    if (auto refusal = checkMainMovie(job.movies)) return refusal;
    if (const int n = hotspots::slotBeyondReach(job.hotSpots, movies::yawReach(job.format.field)))
        return hotSpotOffPicture(n, job.hotSpots.at(n));
    if (const auto unsupported = buildSourceLines(job.movies).unsupported)
        return unsupportedMovieMessage(*unsupported);
    return std::nullopt;
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

PublishReport publishTree(const PublishJob& job, const PublishControl& control, fs::path& foreignJournal) {
    if (auto refusal = checkJob(job)) return report(PublishOutcome::Refused, *refusal);
    // Stopped while the movies were read before it.
    if (stopped(control)) return report(PublishOutcome::Cancelled, cancelledMessage());
    const SourceLines sources = buildSourceLines(job.movies);

    const fs::path& page = job.page;
    const std::string config = scrambleScriptText(configScript(job.config, job.hotSpots));
    PublishedCaptions captions;
    if (control.captionTools != nullptr) {
        const platform::AbsolutePath movie = job.movies.absolutePath(0);
        if (movie.error) return report(PublishOutcome::Failed, failureMessage({*movie.error}));
        captions = readCaptions(movie.path, job.captions, page.parent_path(), *control.captionTools);
        if (captions.refusal) return report(PublishOutcome::Refused, *captions.refusal);
    }
    const std::string pageBytes =
        pageText(pageTemplate(), sources.lines + captions.trackLines, job.htmlTitle, job.htmlBgColor);
    // A publish killed here before: its page comes back first, then this one is
    // planned. Whatever a journal says, the project and its movies stay.
    std::vector<fs::path> kept{job.project};
    for (std::size_t slot = 0; slot < job.movies.size(); ++slot) kept.push_back(job.movies.path(slot));
    const platform::TreeRecovery recovery = platform::recoverInterruptedTree(
        page.parent_path(), platform::JournalKind::Publish, platform::keptFiles(kept));
    if (recovery.error) return report(PublishOutcome::Failed, failureMessage({*recovery.error}));
    foreignJournal = recovery.foreignJournal;
    const Plan plan = makePlan(job, page, config, pageBytes, captions.files);
    if (!plan.problems.empty()) return report(PublishOutcome::Refused, failureMessage(plan.problems));

    // Dropped on any return before commit(): the folder goes back to what it was.
    platform::StagedTree tree;
    const auto failed = [](const platform::FileError& error) {
        return report(PublishOutcome::Failed, failureMessage({error}));
    };
    const auto cancelled = [] { return report(PublishOutcome::Cancelled, cancelledMessage()); };

    std::vector<IndexLeftAtEnd> indexLeftAtEnd;
    std::vector<std::unique_ptr<MovieReading>> readings;
    for (const MovieCopyPlan& movie : plan.movies) {
        const bool read = control.movieTools != nullptr;
        readings.push_back(read ? startReading(*control.movieTools, movie.source, control.stop) : nullptr);
    }
    for (const fs::path& folder : plan.folders) {
        if (auto error = tree.makeFolder(folder)) return failed(*error);
        // From the page folder on, what a killed publish did can be undone by
        // the next; not while a journal it cannot trust holds the name.
        if (folder == plan.root && foreignJournal.empty()) {
            if (auto error = tree.keepJournal(plan.root)) return failed(*error);
        }
    }
    for (const TreeFile& file : plan.files) {
        if (stopped(control)) return cancelled();
        if (auto error = tree.addFile(file.target, file.bytes)) return failed(*error);
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
        if (copy.error) return failed(*copy.error);
        if (!copy.sameFile) tree.addFile(std::move(copy.copy));
        if (published.indexLeftAtEnd) indexLeftAtEnd.push_back({movie.source, *published.indexLeftAtEnd});
    }
    SlotInfos infos;
    for (std::size_t i = 0; i < plan.movies.size(); ++i) {
        if (readings[i]) infos[plan.movies[i].slot] = readings[i]->info.get();
    }
    const std::string pageWithFacts = pageText(
        pageTemplate(), buildSourceLines(job.movies, versionAttributes(infos)).lines + captions.trackLines,
        job.htmlTitle, job.htmlBgColor);
    if (auto error = tree.addFile(plan.page.target, pageWithFacts)) return failed(*error);
    if (stopped(control)) return cancelled();
    if (auto error = tree.commit()) return failed(*error);

    // What killed publishes left in these folders would be uploaded with the site.
    for (const fs::path& folder : plan.folders) platform::removeStaleTemporaries(folder);
    PublishReport done = report(PublishOutcome::Succeeded, succeededMessage(indexLeftAtEnd));
    for (const IndexLeftAtEnd& left : indexLeftAtEnd) done.indexLeftAtEnd.push_back(left.movie);
    return done;
}

}  // namespace

std::optional<platform::FileError> finishInterruptedPublish(const fs::path& folder) {
    return platform::recoverInterruptedTree(folder).error;
}

PublishReport publish(const PublishJob& job, const PublishControl& control) {
    // Out of memory or a path the library cannot take: the staged tree has
    // already been taken back by the time this is reported.
    try {
        fs::path foreignJournal;
        PublishReport done = publishTree(job, control, foreignJournal);
        if (!foreignJournal.empty()) {
            done.message.text += "\n" + foreignJournal.string() + std::string(messages::kJournalNotOurs);
            if (done.outcome == PublishOutcome::Succeeded) {
                done.message.topic = Topic::Warning;
            }
            done.foreignJournal = foreignJournal;
        }
        return done;
    } catch (const std::exception& error) {
        // Named by the page: the library's words may name none, or a temporary.
        return report(PublishOutcome::Failed,
                      failureMessage({platform::FileError{job.page, "write", error.what()}}));
    }
}

}  // namespace tessaly::publish
