// The tessaly command: the publishing engine without a screen.

#include <iostream>
#include <string_view>

#include "cli/Verbs.h"

namespace {

constexpr std::string_view kHelp =
    "Usage: tessaly VERB ARGUMENTS\n"
    "\n"
    "Verbs:\n"
    "  resave IN.hs5 OUT.hs5   read a project as Load Project does and write it as Save Project does\n"
    "  publish PROJECT.hs5 PAGE.html [--manual-tilt DEGREES] [--custom-size WIDTHxHEIGHT] [--strict]\n"
    "                          publish the project's movies as a web page, as Publish Web Movie does;\n"
    "                          --manual-tilt selects the manual vertical limit, --custom-size the\n"
    "                          Html custom size; what in the movies will not play well on the web is\n"
    "                          listed first, and --strict stops there without writing anything\n"
    "  redirect HTML5_PATH FLASH_PATH PAGE.html\n"
    "                          write the page that sends WebGL browsers to HTML5_PATH, others to FLASH_PATH\n"
    "  preview PAGE.html       serve the page's folder on 127.0.0.1, print the page's address and open\n"
    "                          it in the web browser; serves until interrupted (Ctrl+C)\n"
    "  inspect MOVIE... [--json]\n"
    "                          show what each movie holds: container, codecs, size, frame rate,\n"
    "                          duration, bit rate, where its index is, its 360 marks\n"
    "  encode PROJECT.hs5 [--sizes 4096,2048]\n"
    "                          make H.264 versions of the project's movie at these widths (never\n"
    "                          larger than the movie) beside the project and put them in its slots 2\n"
    "                          and 3, as Make Web Versions does\n"
    "  --help                  show this text\n";

struct Verb {
    std::string_view name;
    int (*run)(const tessaly::cli::Arguments&, std::ostream&, std::ostream&);
};

constexpr Verb kVerbs[] = {
    {"resave", tessaly::cli::runResave},     {"publish", tessaly::cli::runPublish},
    {"redirect", tessaly::cli::runRedirect}, {"preview", tessaly::cli::runPreview},
    {"inspect", tessaly::cli::runInspect},   {"encode", tessaly::cli::runEncode},
};

}  // namespace

int main(int argc, char** argv) {
    const std::string_view verb = argc > 1 ? argv[1] : "";
    if (verb == "--help" || verb == "-h" || verb == "help") {
        std::cout << kHelp;
        return 0;
    }
    for (const Verb& v : kVerbs) {
        if (v.name == verb)
            return v.run(tessaly::cli::Arguments(argv + 2, argv + argc), std::cout, std::cerr);
    }
    std::cerr << (verb.empty() ? "" : "tessaly: unknown verb '" + std::string(verb) + "'\n\n") << kHelp;
    return 2;
}
