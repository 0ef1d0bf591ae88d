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
    "  --help                  show this text\n";

struct Verb {
    std::string_view name;
    int (*run)(const tessaly::cli::Arguments&, std::ostream&, std::ostream&);
};

constexpr Verb kVerbs[] = {
    {"resave", tessaly::cli::runResave},
};

}  // namespace

int main(int argc, char** argv) {
    const std::string_view verb = argc > 1 ? argv[1] : "";
    if (verb == "--help" || verb == "-h" || verb == "help") {
        std::cout << kHelp;
        return 0;
    }
    for (const Verb& v : kVerbs) {
        if (v.name == verb) return v.run(tessaly::cli::Arguments(argv + 2, argv + argc), std::cout, std::cerr);
    }
    std::cerr << (verb.empty() ? "" : "tessaly: unknown verb '" + std::string(verb) + "'\n\n") << kHelp;
    return 2;
}
