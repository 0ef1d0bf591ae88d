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

// A percentage on one line of the error stream, rewritten in place as work goes
// on: "tessaly: TEXT: 42%TAIL", each percent written once.
class PercentLine {
public:
    explicit PercentLine(std::ostream& err) : err_(err) {}
    void update(std::string_view text, int percent, std::string_view tail = {}) {
        if (percent == shown_) return;
        shown_ = percent;
        err_ << '\r' << kPrefix << text << ": " << percent << '%' << tail;
        err_.flush();
    }
    // Ends the line, when one is shown.
    void finish() {
        if (shown_ >= 0) err_ << '\n';
        shown_ = -1;
    }

private:
    std::ostream& err_;
    int shown_ = -1;
};

}  // namespace tessaly::cli
