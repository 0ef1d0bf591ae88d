#pragma once

// Messages on the command line: every line on the error stream, after "tessaly: ".

#include <ostream>
#include <string_view>

#include "core/Prompts.h"

namespace tessaly::cli {

inline constexpr std::string_view kPrefix = "tessaly: ";

inline void printMessage(std::ostream& err, const Message& message) {
    std::string_view text = message.text;
    while (true) {
        const auto end = text.find('\n');
        err << kPrefix << text.substr(0, end) << '\n';
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace tessaly::cli
