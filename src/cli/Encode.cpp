#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Console.h"
#include "cli/ConsoleJobs.h"
#include "cli/StopOnSignals.h"
#include "cli/Usage.h"
#include "cli/Verbs.h"
#include "core/model/AppState.h"
#include "core/model/ProjectFile.h"
#include "core/movies/MovieTexts.h"
#include "core/movies/WebVersions.h"
#include "core/publish/WorkSteps.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"
#include "media/FfmpegEncoder.h"
#include "media/ModuleMovieTools.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxWidth = 16384;

// "4096,2048": widths in pixels; nothing when the list is not one.
std::optional<std::vector<int>> widthList(std::string_view text) {
    std::vector<int> widths;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        if (item.empty() || item.size() > 5 || item.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        const int width = static_cast<int>(text::leadingNumber(item));
        if (width < 2 || width > kMaxWidth) return std::nullopt;
        widths.push_back(width);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
        if (text.empty()) return std::nullopt;
    }
    if (widths.empty()) return std::nullopt;
    return widths;
}

}  // namespace

int runEncode(const Arguments& args, std::ostream&, std::ostream& err) {
    const auto refuse = [&](const std::string& problem) {
        err << kPrefix << problem << '\n' << usage("encode");
        return 2;
    };
    std::vector<std::string> positional;
    std::vector<int> widths = movies::kDefaultVersionWidths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--sizes") {
            if (i + 1 >= args.size()) return refuse("--sizes needs a value");
            const auto parsed = widthList(args[++i]);
            if (!parsed)
                return refuse("--sizes takes widths from 2 to 16384 separated by commas, such as 4096,2048");
            widths = *parsed;
        } else if (args[i].starts_with("--")) {
            return refuse("unknown option " + args[i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 1) return refuse("encode takes one project");

    std::error_code ec;
    const std::string currentFolder = fs::current_path(ec).string();
    Result<model::OpenedProject> opened =
        model::openProject(positional[0], model::startState(currentFolder, {}).settings, currentFolder);
    if (opened.failed()) {
        err << kPrefix << opened.failure().message() << '\n';
        return 1;
    }
    const model::OpenedProject& project = opened.value();

    Result<movies::EncodeJob> job = publish::encodeJob(project.movies, project.file.parent_path());
    if (job.failed()) {
        printMessage(err, movies::encodeMessage(job.failure()));
        return 1;
    }
    job->widths = widths;
    const StopOnSignals signals;
    ConsoleJobs jobs(err, signals.flag());
    media::FfmpegEncoder encoder;
    movies::EncodeControl control;
    control.tools = &media::moduleMovieTools();
    control.encoder = &encoder;
    // The versions lie beside the project: slots 2 and 3 name them by file name;
    // the project keeps its paths as written. A project that cannot be saved
    // takes them back out.
    control.nameVersions = [&](const std::vector<fs::path>& versions) {
        model::MovieSlots movies = project.written;
        for (std::size_t slot = 1; slot < movies.size(); ++slot)
            movies[slot] =
                slot - 1 < versions.size() ? versions[slot - 1].filename().string() : std::string();
        model::ViewerSettings settings = project.settings;
        settings.captions = project.writtenCaptions;
        return model::saveProject(project.file, settings, movies, project.hotSpots);
    };
    movies::EncodeResult result = cancellation();
    publish::startEncode(jobs, std::move(job).value(), std::move(control),
                         [&result](const movies::EncodeResult& ended) { result = ended; });
    jobs.finish();
    printMessage(err, movies::encodeMessage(result));
    if (result.failed()) return result.kind() == FailureKind::Cancelled ? signals.exitStatus() : 1;
    err << kPrefix << movies::texts::kSlotsUpdated << project.file.string() << '\n';
    return 0;
}

}  // namespace tessaly::cli
