// The tessaly command: the publishing engine without a screen.

#include <iostream>
#include <string_view>

#include "cli/Usage.h"

int main(int argc, char** argv) {
    const std::string_view verb = argc > 1 ? argv[1] : "";
    if (verb == "--help" || verb == "-h" || verb == "help") {
        std::cout << tessaly::cli::helpText();
        return 0;
    }
    for (const tessaly::cli::Verb& v : tessaly::cli::verbs()) {
        if (v.name == verb)
            return v.run(tessaly::cli::Arguments(argv + 2, argv + argc), std::cout, std::cerr);
    }
    std::cerr << (verb.empty() ? "" : "tessaly: unknown verb '" + std::string(verb) + "'\n\n")
              << tessaly::cli::helpText();
    return 2;
}
