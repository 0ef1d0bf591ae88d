#include "core/publish/Publisher.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <exception>
#include <future>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "core/platform/MovieCopy.h"
#include "core/platform/StagedTree.h"
#include "core/publish/Assets.h"
#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/Scrambler.h"
#include "core/publish/VersionFacts.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::publish {
namespace {

namespace fs = std::filesystem;
using platform::FileKind;

constexpr std::string_view kConfigFolder = "js/ctr";
constexpr std::string_view kConfigName = "cn0.js";

Message message(std::string_view text, std::string_view caption, Icon icon) {
    return Message{std::string(text), std::string(caption), icon};
}

PublishReport report(PublishOutcome outcome, Message message) { return {outcome, std::move(message)}; }

Message failureMessage(const std::vector<platform::FileError>& errors) {
    std::string text(messages::kPublishingFailed);
    for (const platform::FileError& error : errors) text += "\n" + error.message();
    return message(text, messages::kWarningCaption, Icon::Error);
}

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
    return message(text, messages::kInformationCaption, Icon::Information);
}

Message cancelledMessage() {
    return message(messages::kPublishingCancelled, messages::kInformationCaption, Icon::Information);
}

// A file of the tree and the bytes it receives.
struct TreeFile {
    fs::path target;
    std::string_view bytes;
};

// A movie slot to copy beside the page.
struct MovieCopyPlan {
    std::size_t slot = 0;
    fs::path source;
    fs::path target;
    bool sameFile = false;  // it already lies there
};

// Everything a publish writes, worked out and checked before the first byte.
struct Plan {
    fs::path root;
    std::vector<fs::path> folders;  // the page folder first, parents before children
    std::vector<TreeFile> files;    // the fixed assets and the icons, then cn0.js
    TreeFile page;                  // put in place last, when everything it loads is there
    std::vector<MovieCopyPlan> movies;
    std::vector<platform::FileError> problems;

    // Files that must survive the publish: the project and the movies themselves.
    std::vector<fs::path> kept;
};

platform::FileError problem(const fs::path& path, std::string action, std::string_view reason) {
    return platform::FileError{path, std::move(action), std::string(reason)};
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

// A path the publish will put a file at: nothing there yet, or a regular file
// that is neither the project nor a movie being published.
void checkTarget(Plan& plan, const fs::path& target, const fs::path& project) {
    const platform::FileStatus status = platform::fileStatus(target);
    if (status.error != 0) {
        plan.problems.push_back(platform::errnoError(target, "write", status.error));
    } else if (status.kind == FileKind::Folder) {
        plan.problems.push_back(platform::errnoError(target, "write", EISDIR));
    } else if (status.kind == FileKind::Other) {
        plan.problems.push_back(problem(target, "write", platform::kNotRegularFile));
    } else if (status.kind == FileKind::Regular) {
        if (!project.empty() && sameFile(target, project)) {
            plan.problems.push_back(problem(target, "write", messages::kIsTheProject));
            return;
        }
        for (const fs::path& kept : plan.kept) {
            if (sameFile(target, kept)) {
                plan.problems.push_back(problem(target, "write", messages::kIsAMovie));
                return;
            }
        }
    }
}

void checkFolder(Plan& plan, const fs::path& folder) {
    const platform::FileStatus status = platform::fileStatus(folder);
    if (status.error != 0) {
        plan.problems.push_back(platform::errnoError(folder, "create folder", status.error));
    } else if (status.kind == FileKind::Regular || status.kind == FileKind::Other) {
        plan.problems.push_back(platform::errnoError(folder, "create folder", ENOTDIR));
    }
}

// The movie sources: regular files, each of its own name.
void planMovies(Plan& plan, const model::MovieSlots& movies) {
    std::set<std::string> names;
    for (std::size_t slot = 0; slot < movies.size(); ++slot) {
        const std::string slotText = slot == 0 ? text::trimSpaces(movies[slot]) : movies[slot];
        if (slotText.empty()) continue;
        std::error_code ec;
        const fs::path source = fs::absolute(slotText, ec).lexically_normal();
        const platform::FileStatus status = platform::fileStatus(source);
        if (status.error != 0 || status.kind == FileKind::Missing) {
            plan.problems.push_back(
                platform::errnoError(source, "open", status.error != 0 ? status.error : ENOENT));
            continue;
        }
        if (status.kind == FileKind::Folder) {
            plan.problems.push_back(platform::errnoError(source, "read", EISDIR));
            continue;
        }
        if (status.kind != FileKind::Regular) {
            plan.problems.push_back(problem(source, "copy", platform::kNotRegularFile));
            continue;
        }
        if (!names.insert(source.filename().string()).second) {
            plan.problems.push_back(problem(source, "copy", messages::kSameNameAsAnotherSlot));
            continue;
        }
        plan.kept.push_back(source);
        const fs::path target = plan.root / source.filename();
        plan.movies.push_back({slot, source, target, platform::liesIn(source, plan.root)});
    }
}

Plan makePlan(const PublishJob& job, const fs::path& page, const std::string& config,
              const std::string& pageBytes) {
    Plan plan;
    plan.root = page.parent_path();
    plan.folders.push_back(plan.root);
    const auto folder = [&](std::string_view relative) {
        const fs::path path = plan.root / relative;
        for (const fs::path& known : plan.folders) {
            if (known == path) return path;
        }
        // "js/ctr" needs "js" first.
        if (const auto slash = relative.rfind('/'); slash != std::string_view::npos) {
            const fs::path parent = plan.root / relative.substr(0, slash);
            if (std::find(plan.folders.begin(), plan.folders.end(), parent) == plan.folders.end())
                plan.folders.push_back(parent);
        }
        plan.folders.push_back(path);
        return path;
    };

    bool iconsPlanned = false;
    for (const Asset& asset : treeAssets()) {
        if (asset.folder == "images" && !iconsPlanned) {
            const fs::path images = folder("images");
            for (int n = 1; n <= kHotSpotIconFiles; ++n)
                plan.files.push_back(
                    {images / ("hs" + std::to_string(n) + ".gif"), hotSpotIcon(job.hsIcon).bytes});
            iconsPlanned = true;
        }
        plan.files.push_back({folder(asset.folder) / asset.name, asset.bytes});
    }
    plan.files.push_back({folder(kConfigFolder) / kConfigName, config});
    plan.page = {page, pageBytes};

    planMovies(plan, job.movies);
    if (!page.has_filename() || text::toLowerAscii(page.filename().string()) == kPageExtension) {
        plan.problems.push_back(problem(page, "write", messages::kPageHasNoName));
    }
    for (const fs::path& path : plan.folders) checkFolder(plan, path);
    for (const TreeFile& file : plan.files) checkTarget(plan, file.target, job.project);
    checkTarget(plan, plan.page.target, job.project);
    for (const MovieCopyPlan& movie : plan.movies) {
        if (!movie.sameFile) checkTarget(plan, movie.target, job.project);
    }
    return plan;
}

bool stopped(const PublishControl& control) {
    return control.stop != nullptr && control.stop->load(std::memory_order_relaxed);
}

// A movie whose index lies at its end makes a browser load it whole before the
// first frame: its copy gets the index at the front, the same packets otherwise.
bool indexAtEnd(const movies::MovieInfo& info) { return !info.error && !info.indexAtFront.value_or(true); }

// The copy with its index in front, or why there is none.
movies::WriteOutcome moveIndexToFront(movies::MovieTools& tools, const MovieCopyPlan& movie,
                                      platform::TemporaryFile& copy, const platform::CopyProgress& progress,
                                      const std::atomic<bool>* stop) {
    if (const int error = copy.create(movie.target))
        return {false, platform::errnoError(movie.target, "write", error)};
    return tools.moveIndexToFront(movie.source, copy.fd(), movie.target, progress, stop);
}

// What a movie holds, and so whether its copy is to be rewritten, found out
// by a second thread that reads the movie (loading the movie library the first
// time). Every movie's reading starts before the page's files are written, so
// it is under way, or done, when its copy starts; the page is written last and
// tells the viewer what each movie is. Leaving early waits for the reading
// before the flag goes (the future is declared after it).
struct MovieReading {
    std::atomic<bool> rewriteInstead{false};
    std::shared_future<movies::MovieInfo> info;
};

// A cancel ends a slow reading too.
std::unique_ptr<MovieReading> startReading(movies::MovieTools& tools, const fs::path& movie,
                                           const std::atomic<bool>* stop) {
    auto reading = std::make_unique<MovieReading>();
    reading->info = std::async(std::launch::async, [&tools, movie, stop, flag = &reading->rewriteInstead] {
        movies::MovieInfo info = tools.inspect(movie, stop);
        if (indexAtEnd(info)) flag->store(true);
        return info;
    });
    return reading;
}

// A movie's copy for the tree, and why its index stays at the end when it does.
struct PublishedMovie {
    platform::MovieCopyResult copy;
    std::optional<platform::FileError> indexLeftAtEnd;
};

// The movie's copy for the tree. Most movies need no rewrite, so the plain copy
// starts at once while the movie is read: a movie ready for the web costs the
// longer of the two, not their sum. A movie with its index at the end stops that
// copy and is rewritten instead; one the tools cannot rewrite, or whose rewrite
// is not the same movie, is copied as it is, and the report says so.
PublishedMovie movieCopy(const MovieCopyPlan& movie, const fs::path& root, const PublishControl& control,
                         MovieReading* reading, const platform::CopyProgress& progress) {
    platform::MovieCopyOptions options;
    options.stop = control.stop;
    if (reading == nullptr) return {platform::copyMovie(movie.source, root, progress, options), std::nullopt};

    movies::MovieTools& tools = *control.movieTools;
    options.alsoStop = &reading->rewriteInstead;
    platform::MovieCopyResult copy = platform::copyMovie(movie.source, root, progress, options);
    const bool rewrite = indexAtEnd(reading->info.get());

    PublishedMovie result;
    result.copy.target = copy.target;
    if (stopped(control)) {
        result.copy.stopped = true;
        return result;
    }
    if (!rewrite) return {std::move(copy), std::nullopt};
    const movies::WriteOutcome outcome =
        moveIndexToFront(tools, movie, result.copy.copy, progress, control.stop);
    if (outcome.stopped) {
        result.copy.stopped = true;
        return result;
    }
    if (!outcome.error) return result;
    // The copy as it is: the one already made, if the reading came too late to
    // stop it. The rewrite's space goes back first: a nearly full disk may
    // hold one copy but not two.
    result.copy.copy = {};
    result.indexLeftAtEnd = outcome.error;
    if (!copy.stopped && !copy.error) {
        result.copy = std::move(copy);
        return result;
    }
    options.alsoStop = nullptr;
    result.copy = platform::copyMovie(movie.source, root, progress, options);
    return result;
}

}  // namespace

namespace {

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
    std::string name = std::string(messages::kHotSpot) + text::formatInteger(n);
    if (!spot.trimmedTitle().empty()) name += " (" + spot.trimmedTitle() + ")";
    return Message{name + std::string(messages::kHotSpotOffPicture) + text::formatInteger(spot.yaw),
                   std::string(messages::kWarningCaption), Icon::Warning};
}

}  // namespace

std::optional<Message> checkMainMovie(const model::MovieSlots& movies) {
    const std::string mainMovie = text::trimSpaces(movies[0]);
    if (mainMovie.empty()) return message(messages::kNoMovie, messages::kWarningCaption, Icon::Warning);
    const platform::FileStatus status = platform::fileStatus(mainMovie);
    if (status.kind != FileKind::Regular || status.error != 0) {
        Message refusal = message(messages::kMovieNotFound, messages::kWarningCaption, Icon::Warning);
        refusal.text += "\n" + mainMovie + ": " + notAMovie(status);
        return refusal;
    }
    return std::nullopt;
}

std::optional<Message> checkJob(const PublishJob& job) {
    if (auto refusal = checkMainMovie(job.movies)) return refusal;
    if (const int n = hotspots::slotBeyondReach(job.hotSpots, movies::yawReach(job.format.field)))
        return hotSpotOffPicture(n, job.hotSpots.at(n));
    return buildSourceLines(job.movies).error;
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
    return job;
}

namespace {

PublishReport publishTree(const PublishJob& job, const PublishControl& control) {
    if (auto refusal = checkJob(job)) return report(PublishOutcome::Refused, *refusal);
    // Stopped while the movies were read before it.
    if (stopped(control)) return report(PublishOutcome::Cancelled, cancelledMessage());
    const SourceLines sources = buildSourceLines(job.movies);

    std::error_code ec;
    const fs::path page = fs::absolute(job.page, ec).lexically_normal();
    const std::string config = scrambleScriptText(configScript(job.config, job.hotSpots));
    const std::string pageBytes = pageText(pageTemplate(), sources.lines, job.htmlTitle, job.htmlBgColor);
    // A publish killed here before: its page comes back first, then this one is planned.
    if (auto error = finishInterruptedPublish(page.parent_path()))
        return report(PublishOutcome::Failed, failureMessage({*error}));
    const Plan plan = makePlan(job, page, config, pageBytes);
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
        // From the page folder on, what a killed publish did can be undone by the next.
        if (folder == plan.root) {
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
    const std::string pageWithFacts =
        pageText(pageTemplate(), buildSourceLines(job.movies, versionAttributes(infos)).lines, job.htmlTitle,
                 job.htmlBgColor);
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
    return platform::recoverInterruptedTree(folder);
}

PublishReport publish(const PublishJob& job, const PublishControl& control) {
    // Out of memory or a path the library cannot take: the staged tree has
    // already been taken back by the time this is reported.
    try {
        return publishTree(job, control);
    } catch (const std::exception& error) {
        Message failure = message(messages::kPublishingFailed, messages::kWarningCaption, Icon::Error);
        failure.text += "\n" + std::string(error.what());
        return report(PublishOutcome::Failed, failure);
    }
}

}  // namespace tessaly::publish
