// Build-time tool: stores a readable player script in the scrambled script
// form, by the same code that scrambles the configuration script.
//
//   scramble_player INPUT.js OUTPUT.js

#include <iostream>

#include "core/platform/Files.h"
#include "core/publish/Scrambler.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: scramble_player INPUT.js OUTPUT.js\n";
        return 2;
    }
    const auto source = tessaly::platform::readFile(argv[1]);
    if (source.failed()) {
        std::cerr << "scramble_player: " << source.failure().message() << '\n';
        return 1;
    }
    const auto written =
        tessaly::platform::writeFileAtomic(argv[2], tessaly::publish::scrambleScriptText(source.value()));
    if (written.failed()) {
        std::cerr << "scramble_player: " << written.failure().message() << '\n';
        return 1;
    }
    return 0;
}
