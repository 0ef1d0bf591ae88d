// The tessaly command: the publishing engine without a screen.

#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kHelp =
    "Usage: tessaly VERB ARGUMENTS\n"
    "\n"
    "Verbs:\n"
    "  resave IN.hs5 OUT.hs5   read a project as Load Project does and write it as Save Project does\n"
    "  --help                  show this text\n";

}  // namespace

int main(int argc, char** argv) {
    const std::string_view verb = argc > 1 ? argv[1] : "";
    if (verb == "--help" || verb == "-h" || verb == "help") {
        std::cout << kHelp;
        return 0;
    }
    std::cerr << kHelp;
    return 2;
}
