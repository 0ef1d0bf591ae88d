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
    if (source.error) {
        std::cerr << "scramble_player: " << source.error->message() << '\n';
        return 1;
    }
    if (const auto error =
            tessaly::platform::writeFileAtomic(argv[2], tessaly::publish::scrambleScriptText(source.bytes))) {
        std::cerr << "scramble_player: " << error->message() << '\n';
        return 1;
    }
    return 0;
}
