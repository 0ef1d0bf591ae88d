#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <iostream>
#include <ostream>
#include <string>
#include <system_error>

#include "cli/ConsolePrompts.h"
#include "cli/Verbs.h"
#include "core/model/AppState.h"
#include "core/model/ProjectFile.h"
#include "core/publish/Publisher.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: tessaly publish PROJECT.hs5 PAGE.html [--manual-tilt DEGREES] [--custom-size WIDTHxHEIGHT]\n";

// Copies smaller than this finish before a progress line would help.
constexpr std::uint64_t kProgressFrom = 64u << 20;

bool isDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// A progress line, rewritten in place, for the movie copy under way.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : err_(err) {}
    void operator()(const fs::path& movie, std::uint64_t done, std::uint64_t total) {
        if (total < kProgressFrom) return;
        const int percent = static_cast<int>(done * 100 / total);
        if (percent == shown_ && done < total) return;
        shown_ = percent;
        err_ << "\rtessaly: copying " << movie.filename().string() << ": " << percent << '%';
        if (done >= total) {
            err_ << '\n';
            shown_ = -1;
        }
        err_.flush();
    }

private:
    std::ostream& err_;
    int shown_ = -1;
};

}  // namespace

int runPublish(const Arguments& args, std::ostream&, std::ostream& err) {
    std::vector<std::string> positional;
    std::optional<std::string> manualTilt;
    std::optional<std::pair<std::string, std::string>> customSize;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--manual-tilt" || arg == "--custom-size") && i + 1 >= args.size()) {
            err << "tessaly publish: " << arg << " needs a value\n" << kUsage;
            return 2;
        }
        if (arg == "--manual-tilt") {
            manualTilt = args[++i];
        } else if (arg == "--custom-size") {
            const std::string& size = args[++i];
            const auto x = size.find_first_of("xX");
            if (x == std::string::npos || !isDigits(size.substr(0, x)) || !isDigits(size.substr(x + 1))) {
                err << "tessaly publish: --custom-size takes WIDTHxHEIGHT, such as 1280x640\n" << kUsage;
                return 2;
            }
            customSize.emplace(size.substr(0, x), size.substr(x + 1));
        } else if (arg.starts_with("--")) {
            err << "tessaly publish: unknown option " << arg << '\n' << kUsage;
            return 2;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        err << kUsage;
        return 2;
    }

    std::error_code ec;
    const std::string currentFolder = fs::current_path(ec).string();
    model::AppState state = model::startState(currentFolder, {});
    const fs::path project = positional[0];
    if (const auto error =
            model::loadProject(project, state.settings, state.movies, state.hotSpots, currentFolder)) {
        err << "tessaly: " << error->message() << '\n';
        return 1;
    }
    // Movie paths in a project are taken from the project's own folder.
    const fs::path projectFolder = fs::absolute(project, ec).parent_path();
    for (std::string& movie : state.movies) {
        if (!movie.empty() && fs::path(movie).is_relative()) movie = (projectFolder / movie).string();
    }
    if (manualTilt) {
        state.settings.manualTilt = *manualTilt;
        state.settings.setPosition(model::ListField::Tilt,
                                   static_cast<int>(state.settings.items(model::ListField::Tilt).size()));
    }
    if (customSize) {
        state.settings.customSize = 1;
        state.settings.customWidth = customSize->first;
        state.settings.customHeight = customSize->second;
    }

    ConsolePrompts prompts(err, positional[1]);
    NoPlayer player;
    publish::PublishProgress progress;
    if (&err == &std::cerr && ::isatty(STDERR_FILENO)) progress = ProgressLine(err);
    publish::Publisher publisher(prompts, player, progress);
    const auto result = publisher.publishWebMovie(state.movies, state.settings, state.hotSpots);
    return result == publish::PublishResult::Succeeded ? 0 : 1;
}

}  // namespace tessaly::cli
