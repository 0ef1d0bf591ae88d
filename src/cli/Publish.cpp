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
#include <utility>
#include <vector>

#include "cli/Console.h"
#include "cli/ConsoleJobs.h"
#include "cli/StopOnSignals.h"
#include "cli/Usage.h"
#include "cli/Verbs.h"
#include "core/model/AppState.h"
#include "core/model/ProjectFile.h"
#include "core/movies/MovieFindings.h"
#include "core/movies/MovieInfoCache.h"
#include "core/movies/MovieTexts.h"
#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/Publisher.h"
#include "core/publish/WorkSteps.h"
#include "core/text/Text.h"
#include "media/ModuleMovieTools.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kStrictRefusal = "nothing published (--strict)";
// After the folder's path; then the folder again with a page's name.
constexpr std::string_view kPageIsFolder = "the page path names an existing folder: ";
constexpr std::string_view kNameThePage = "; name the page file, such as ";

// Larger than any screen or texture a browser draws.
constexpr unsigned kMaxCustomSize = 16384;

// A side of --custom-size: digits; a number too large for any type counts as too large.
std::optional<unsigned> sizeValue(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    unsigned value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) return std::numeric_limits<unsigned>::max();
    return value;
}

struct PublishOptions {
    std::string project;
    std::string page;
    std::optional<std::string> manualTilt;
    std::optional<std::pair<unsigned, unsigned>> customSize;
    bool strict = false;
};

// --custom-size's WIDTHxHEIGHT, or the problem with it.
Result<std::pair<unsigned, unsigned>> customSize(const std::string& size) {
    const auto x = size.find_first_of("xX");
    const auto width = sizeValue(std::string_view(size).substr(0, x));
    const auto height = x == std::string::npos ? std::nullopt : sizeValue(size.substr(x + 1));
    if (!width || !height) return refusal("--custom-size takes WIDTHxHEIGHT, such as 1280x640");
    if (*width > kMaxCustomSize || *height > kMaxCustomSize)
        return refusal("--custom-size takes at most " + std::to_string(kMaxCustomSize) + "x" +
                       std::to_string(kMaxCustomSize));
    return std::pair{*width, *height};
}

// The options given, or the problem that earns the usage text.
Result<PublishOptions> publishOptions(const Arguments& args) {
    PublishOptions options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--manual-tilt" || arg == "--custom-size") && i + 1 >= args.size())
            return refusal(arg + " needs a value");
        if (arg == "--manual-tilt") {
            options.manualTilt = args[++i];
        } else if (arg == "--custom-size") {
            const auto size = customSize(args[++i]);
            if (size.failed()) return size.failure();
            options.customSize = size.value();
        } else if (arg == "--strict") {
            options.strict = true;
        } else if (arg.starts_with("--")) {
            return refusal("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) return refusal("publish takes a project and a page");
    switch (publish::pageName(positional[1])) {
        case publish::PageName::Empty:
            return refusal("the page path is empty");
        case publish::PageName::Folder:
            return refusal("the page path names a folder, not a page: " + text::trimSpaces(positional[1]));
        case publish::PageName::ExtensionOnly:  // refused by the publish, which names it
        case publish::PageName::Page:
            break;
    }
    // Publishing would put the page beside the folder, as FOLDER.html.
    if (const auto folder = publish::pageNameIsFolder(positional[1]))
        return refusal(std::string(kPageIsFolder) + folder->string() + std::string(kNameThePage) +
                       (*folder / publish::messages::kIndexPage).string());
    options.project = positional[0];
    options.page = positional[1];
    return options;
}

// The options given over the project's own.
void applyOptions(const PublishOptions& options, model::ViewerSettings& settings) {
    if (options.manualTilt) {
        settings.manualTilt = *options.manualTilt;
        settings.setPosition(model::ListField::Tilt,
                             static_cast<int>(settings.items(model::ListField::Tilt).size()));
    }
    if (options.customSize) {
        settings.customSize = 1;
        settings.customWidth = std::to_string(options.customSize->first);
        settings.customHeight = std::to_string(options.customSize->second);
    }
}

void printFindings(std::ostream& err, const std::vector<movies::MovieFinding>& findings) {
    if (findings.empty()) return;
    err << kPrefix << movies::texts::kFindingsHeading << '\n';
    for (const movies::MovieFinding& finding : findings)
        err << kPrefix << movies::findingLine(finding) << '\n';
}

void printMismatches(std::ostream& err, const std::vector<publish::Mismatch>& mismatches) {
    if (mismatches.empty()) return;
    err << kPrefix << publish::messages::kMismatchHeading << '\n';
    for (const publish::Mismatch& mismatch : mismatches)
        err << kPrefix << publish::mismatchLine(mismatch) << '\n';
}

// The publish's talk on the error stream. With --strict the movies are read
// first and what will not play well, or disagrees with the page, stops it;
// otherwise the publish reads each movie while it copies it, and the findings
// and the mismatches come after, from what it read.
class ConsoleTalk : public publish::PublishQuestions {
public:
    explicit ConsoleTalk(std::ostream& err) : err_(err) {}

    void tell(const Message& notice) override { printMessage(err_, notice); }

    bool goOnDespite(const std::vector<movies::MovieFinding>& findings,
                     const std::vector<publish::Mismatch>& mismatches) override {
        printFindings(err_, findings);
        printMismatches(err_, mismatches);
        declined_ = !mismatches.empty() ||
                    std::any_of(findings.begin(), findings.end(), [](const movies::MovieFinding& finding) {
                        return !finding.fixedByPublishing;
                    });
        if (declined_) err_ << kPrefix << kStrictRefusal << '\n';
        return !declined_;
    }

    bool declined() const { return declined_; }

private:
    std::ostream& err_;
    bool declined_ = false;
};

}  // namespace

int runPublish(const Arguments& args, std::ostream&, std::ostream& err) {
    const Result<PublishOptions> parsed = publishOptions(args);
    if (parsed.failed()) {
        err << kPrefix << parsed.failure().message() << '\n' << usage("publish");
        return 2;
    }
    const PublishOptions& options = parsed.value();
    std::error_code ec;
    const std::string currentFolder = fs::current_path(ec).string();
    Result<model::OpenedProject> opened =
        model::openProject(options.project, model::startState(currentFolder, {}).settings, currentFolder);
    if (opened.failed()) {
        err << kPrefix << opened.failure().message() << '\n';
        return 1;
    }
    model::OpenedProject& project = opened.value();
    applyOptions(options, project.settings);
    if (const Result<void> checked = publish::checkMainMovie(project.movies); checked.failed()) {
        printMessage(err, publish::publishMessage(checked.failure()));
        return 1;
    }

    // From here on a signal cancels: the movies are being read.
    const StopOnSignals signals;
    movies::MovieInfoCache tools(media::moduleMovieTools());
    ConsoleTalk talk(err);
    ConsoleJobs jobs(err, signals.flag());
    const Result<fs::path> page = publish::pageFile(options.page);
    if (page.failed()) {
        err << kPrefix << page.failure().message() << '\n';
        return 1;
    }
    const publish::PublishWork work{project.movies,
                                    page.value(),
                                    project.hotSpots,
                                    project.file,
                                    options.strict,
                                    signals.flag(),
                                    &media::moduleCaptionTools()};
    publish::PublishResult result = cancellation();
    publish::startPublish(
        jobs, work, project.settings, tools, talk,
        [&result](const publish::PublishResult& ended, const model::ViewerSettings&) { result = ended; });
    jobs.finish();
    if (talk.declined()) return 1;
    const bool cancelled = result.failed() && result.kind() == FailureKind::Cancelled;
    // After a cancel nothing more is read: the person asked to stop.
    if (!options.strict && jobs.reached(publish::JobStep::WritingPage) && !cancelled) {
        const std::vector<fs::path> indexLeftAtEnd =
            result.ok() ? result->indexLeftAtEnd : std::vector<fs::path>{};
        printFindings(err, movies::checkMovies(work.movies, tools, work.page, indexLeftAtEnd));
        printMismatches(err, publish::checkMismatches(work.movies, tools, work.hotSpots));
    }
    printMessage(err, publish::publishMessage(result));
    if (result.ok()) return 0;
    return cancelled ? signals.exitStatus() : 1;
}

}  // namespace tessaly::cli
