#pragma once

// What the window would show, on the command line: each message goes to the
// error stream with its own text; the file choice is the path given.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "core/Prompts.h"
#include "core/hotspots/PreviewPlayer.h"

namespace tessaly::cli {

class ConsolePrompts : public Prompts {
public:
    ConsolePrompts(std::ostream& err, std::filesystem::path answer) : err_(err), answer_(std::move(answer)) {}

    void show(const Message& message) override {
        std::string::size_type start = 0;
        while (true) {
            const auto end = message.text.find('\n', start);
            err_ << "tessaly: " << message.text.substr(start, end - start) << '\n';
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }
    bool confirm(const Message& message) override {
        show(message);
        return true;
    }
    std::optional<std::filesystem::path> chooseFile(const FileChoice&) override { return answer_; }

private:
    std::ostream& err_;
    std::filesystem::path answer_;
};

// No preview on the command line.
class NoPlayer : public hotspots::PreviewPlayer {
public:
    void open(const std::string&) override {}
    void play() override {}
    void pause() override {}
    void stop() override {}
    double position() const override { return 0; }
    void setPosition(double) override {}
};

}  // namespace tessaly::cli
