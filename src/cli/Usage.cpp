#include "cli/Usage.h"

#include <array>

namespace tessaly::cli {
namespace {

constexpr std::array kVerbs{
    Verb{"resave", "IN.hs5 OUT.hs5", "read a project as Load Project does and write it as Save Project does",
         runResave},
    Verb{"publish", "PROJECT.hs5 PAGE.html [--manual-tilt DEGREES] [--custom-size WIDTHxHEIGHT] [--strict]",
         "publish the project's movies as a web page, as Publish Web Movie does;\n"
         "--manual-tilt selects the manual vertical limit, --custom-size the\n"
         "Html custom size; what in the movies will not play well on the web is\n"
         "listed first, and --strict stops there without writing anything",
         runPublish},
    Verb{"redirect", "HTML5_PATH FLASH_PATH PAGE.html",
         "write the page that sends WebGL browsers to HTML5_PATH, others to FLASH_PATH", runRedirect},
    Verb{"preview", "PAGE.html",
         "serve the page's folder on 127.0.0.1, print the page's address and open\n"
         "it in the web browser; serves until interrupted (Ctrl+C)",
         runPreview},
    Verb{"inspect", "MOVIE... [--json]",
         "show what each movie holds: container, codecs, size, frame rate,\n"
         "duration, bit rate, where its index is, its 360 marks",
         runInspect},
    Verb{"encode", "PROJECT.hs5 [--sizes 4096,2048]",
         "make H.264 versions of the project's movie at these widths (never\n"
         "larger than the movie) beside the project and put them in its slots 2\n"
         "and 3, as Make Web Versions does",
         runEncode},
};

// Where --help's descriptions start.
constexpr std::size_t kSummaryColumn = 26;

void appendEntry(std::string& text, std::string_view synopsis, std::string_view summary) {
    const std::string indent(kSummaryColumn, ' ');
    text += "  ";
    text += synopsis;
    // A synopsis too long for the column has its description start on the next line.
    if (2 + synopsis.size() + 2 <= kSummaryColumn)
        text.append(kSummaryColumn - 2 - synopsis.size(), ' ');
    else
        text += "\n" + indent;
    for (std::size_t end; (end = summary.find('\n')) != std::string_view::npos;
         summary.remove_prefix(end + 1))
        (text += summary.substr(0, end)) += "\n" + indent;
    (text += summary) += '\n';
}

}  // namespace

std::span<const Verb> verbs() { return kVerbs; }

std::string usage(std::string_view verb) {
    for (const Verb& v : kVerbs) {
        if (v.name == verb)
            return "Usage: tessaly " + std::string(v.name) + " " + std::string(v.arguments) + "\n";
    }
    return "Usage: tessaly VERB ARGUMENTS\n";
}

std::string helpText() {
    std::string text = "Usage: tessaly VERB ARGUMENTS\n\nVerbs:\n";
    for (const Verb& v : kVerbs)
        appendEntry(text, std::string(v.name) + " " + std::string(v.arguments), v.summary);
    appendEntry(text, "--help", "show this text");
    return text;
}

}  // namespace tessaly::cli
