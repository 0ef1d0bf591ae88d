#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <limits>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Console.h"
#include "cli/StopOnSignals.h"
#include "cli/Usage.h"
#include "cli/Verbs.h"
#include "core/model/AppState.h"
#include "core/model/ProjectFile.h"
#include "core/movies/MovieFindings.h"
#include "core/movies/MovieInfoCache.h"
#include "core/movies/MovieTexts.h"
#include "core/publish/Page.h"
#include "core/publish/Publisher.h"
#include "core/text/Text.h"
#include "media/ModuleMovieTools.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kStrictRefusal = "nothing published (--strict)";

// Larger than any screen or texture a browser draws.
constexpr unsigned kMaxCustomSize = 16384;

// Copies smaller than this finish before a progress line would help.
constexpr std::uint64_t kProgressFrom = 64u << 20;

// A side of --custom-size: digits; a number too large for any type counts as too large.
std::optional<unsigned> sizeValue(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    unsigned value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) return std::numeric_limits<unsigned>::max();
    return value;
}

// A progress line, rewritten in place, for the movie copy under way.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : line_(err) {}
    void operator()(const fs::path& movie, std::uint64_t done, std::uint64_t total) {
        if (total < kProgressFrom) return;
        line_.update("copying " + movie.filename().string(), static_cast<int>(done * 100 / total));
        if (done >= total) line_.finish();
    }
    // Ends a line cut short by a cancel.
    void finish() { line_.finish(); }

private:
    PercentLine line_;
};

// The page path as given, or the reason it names no page.
std::optional<std::string> pageProblem(std::string_view given) {
    const std::string trimmed = text::trimSpaces(given);
    if (trimmed.empty()) return "the page path is empty";
    const std::string name = fs::path(trimmed).filename().string();
    if (trimmed.back() == '/' || name.empty() || name == "." || name == "..")
        return "the page path names a folder, not a page: " + trimmed;
    return std::nullopt;
}

}  // namespace

int runPublish(const Arguments& args, std::ostream&, std::ostream& err) {
    const auto refuse = [&](const std::string& problem) {
        err << kPrefix << problem << '\n' << usage("publish");
        return 2;
    };
    std::vector<std::string> positional;
    std::optional<std::string> manualTilt;
    std::optional<std::pair<unsigned, unsigned>> customSize;
    bool strict = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--manual-tilt" || arg == "--custom-size") && i + 1 >= args.size())
            return refuse(arg + " needs a value");
        if (arg == "--manual-tilt") {
            manualTilt = args[++i];
        } else if (arg == "--custom-size") {
            const std::string& size = args[++i];
            const auto x = size.find_first_of("xX");
            const auto width = sizeValue(std::string_view(size).substr(0, x));
            const auto height = x == std::string::npos ? std::nullopt : sizeValue(size.substr(x + 1));
            if (!width || !height) return refuse("--custom-size takes WIDTHxHEIGHT, such as 1280x640");
            if (*width > kMaxCustomSize || *height > kMaxCustomSize)
                return refuse("--custom-size takes at most " + std::to_string(kMaxCustomSize) + "x" +
                              std::to_string(kMaxCustomSize));
            customSize.emplace(*width, *height);
        } else if (arg == "--strict") {
            strict = true;
        } else if (arg.starts_with("--")) {
            return refuse("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) return refuse("publish takes a project and a page");
    if (const auto problem = pageProblem(positional[1])) return refuse(*problem);

    std::error_code ec;
    const std::string currentFolder = fs::current_path(ec).string();
    model::AppState state = model::startState(currentFolder, {});
    const fs::path project = fs::absolute(positional[0], ec);
    if (const auto error =
            model::loadProject(project, state.settings, state.movies, state.hotSpots, currentFolder)) {
        err << kPrefix << error->message() << '\n';
        return 1;
    }
    model::resolveMoviePaths(state.movies, project);
    if (manualTilt) {
        state.settings.manualTilt = *manualTilt;
        state.settings.setPosition(model::ListField::Tilt,
                                   static_cast<int>(state.settings.items(model::ListField::Tilt).size()));
    }
    if (customSize) {
        state.settings.customSize = 1;
        state.settings.customWidth = std::to_string(customSize->first);
        state.settings.customHeight = std::to_string(customSize->second);
    }

    if (const auto refusal = publish::checkMainMovie(state.movies)) {
        printMessage(err, *refusal);
        return 1;
    }
    std::optional<Message> notice;
    publish::PublishJob job = publish::publishJob(state.movies, publish::pagePathFor(positional[1]),
                                                  state.settings, state.hotSpots, notice);
    job.project = project;
    if (notice) printMessage(err, *notice);

    if (const auto refusal = publish::checkJob(job)) {
        printMessage(err, *refusal);
        return 1;
    }
    // From here on a signal cancels: the movies are being read.
    const StopOnSignals signals;
    // What will not play well is said before the final message. --strict reads
    // the movies first and stops there; otherwise the publish reads each movie
    // while it copies it, and the check reuses what it read.
    movies::MovieInfoCache tools(media::moduleMovieTools());
    const auto printFindings = [&err](const std::vector<movies::MovieFinding>& findings) {
        if (findings.empty()) return;
        err << kPrefix << movies::texts::kFindingsHeading << '\n';
        for (const movies::MovieFinding& finding : findings)
            err << kPrefix << movies::findingLine(finding) << '\n';
    };
    if (strict) {
        const std::vector<movies::MovieFinding> findings =
            movies::checkMovies(job.movies, tools, job.page, {}, signals.flag());
        printFindings(findings);
        if (std::any_of(findings.begin(), findings.end(),
                        [](const movies::MovieFinding& finding) { return !finding.fixedByPublishing; })) {
            err << kPrefix << kStrictRefusal << '\n';
            return 1;
        }
    }

    ProgressLine progressLine(err);
    publish::PublishControl control;
    control.stop = signals.flag();
    control.movieTools = &tools;
    if (&err == &std::cerr && ::isatty(STDERR_FILENO)) {
        control.progress = [&progressLine](const fs::path& movie, std::uint64_t done, std::uint64_t total) {
            progressLine(movie, done, total);
        };
    }
    const publish::PublishReport report = publish::publish(job, control);
    progressLine.finish();
    // After a cancel nothing more is read: the person asked to stop.
    if (!strict && report.outcome != publish::PublishOutcome::Cancelled)
        printFindings(movies::checkMovies(job.movies, tools, job.page, report.indexLeftAtEnd));
    printMessage(err, report.message);
    switch (report.outcome) {
        case publish::PublishOutcome::Succeeded:
            return 0;
        case publish::PublishOutcome::Cancelled:
            return signals.exitStatus();
        case publish::PublishOutcome::Refused:
        case publish::PublishOutcome::Failed:
            break;
    }
    return 1;
}

}  // namespace tessaly::cli
