#include <ostream>
#include <string>
#include <vector>

#include "cli/Console.h"
#include "cli/Usage.h"
#include "cli/Verbs.h"
#include "core/movies/Captions.h"
#include "core/movies/MovieInfo.h"
#include "core/platform/Files.h"
#include "media/ModuleMovieTools.h"

namespace tessaly::cli {

constexpr std::string_view kCaptionsLabel = "captions: ";

// Prints what each movie holds: a line each (and one per caption file beside
// it), or JSON (one object, or an array of them for several movies).
int runInspect(const Arguments& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    std::vector<std::string> movies;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg.starts_with("--")) {
            err << kPrefix << "unknown option " << arg << '\n' << usage("inspect");
            return 2;
        } else {
            movies.push_back(arg);
        }
    }
    if (movies.empty()) {
        err << usage("inspect");
        return 2;
    }
    movies::MovieTools& tools = media::moduleMovieTools();
    int status = 0;
    if (json && movies.size() > 1) out << "[\n";
    for (std::size_t i = 0; i < movies.size(); ++i) {
        const movies::MovieInfo info = tools.inspect(movies[i]);
        if (info.error) {
            err << kPrefix << platform::FileError{movies[i], "read", *info.error}.message() << '\n';
            status = 1;
        }
        const std::vector<movies::CaptionFile> captions = movies::findCaptions(movies[i]);
        if (json) {
            std::string movie = movies::movieJson(movies[i], info);
            movie.pop_back();
            out << movie << ",\"captions\":" << movies::captionsJson(captions) << "}"
                << (i + 1 < movies.size() ? ",\n" : "\n");
        } else if (!info.error) {
            out << (movies.size() > 1 ? movies[i] + ": " : "") << movies::movieSummary(info) << '\n';
            for (const movies::CaptionFile& caption : captions)
                out << "  " << kCaptionsLabel << movies::captionLine(caption) << '\n';
        }
    }
    if (json && movies.size() > 1) out << "]\n";
    return status;
}

}  // namespace tessaly::cli
