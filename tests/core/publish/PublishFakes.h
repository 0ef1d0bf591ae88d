#pragma once

// Fakes for the window's side of publishing: the next file choice is scripted,
// and every message and player call lands in one log, in order.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/Prompts.h"
#include "core/hotspots/PreviewPlayer.h"

namespace tessaly::fakes {

struct EventLog {
    std::vector<std::string> events;
};

class FakePrompts : public Prompts {
public:
    explicit FakePrompts(EventLog& log) : log_(log) {}
    void show(const Message& message) override {
        shown.push_back(message);
        log_.events.push_back("show " + message.text);
    }
    bool confirm(const Message& message) override {
        shown.push_back(message);
        log_.events.push_back("confirm " + message.text);
        return true;
    }
    std::optional<std::filesystem::path> chooseFile(const FileChoice& choice) override {
        choices.push_back(choice);
        log_.events.push_back("chooseFile");
        return answer;
    }

    std::optional<std::filesystem::path> answer;
    std::vector<Message> shown;
    std::vector<FileChoice> choices;

private:
    EventLog& log_;
};

class FakePlayer : public hotspots::PreviewPlayer {
public:
    explicit FakePlayer(EventLog& log) : log_(log) {}
    void open(const std::string& path) override { log_.events.push_back("open " + path); }
    void play() override { log_.events.push_back("play"); }
    void pause() override { log_.events.push_back("pause"); }
    void stop() override { log_.events.push_back("stop"); }
    double position() const override { return 0; }
    void setPosition(double) override { log_.events.push_back("setPosition"); }

private:
    EventLog& log_;
};

}  // namespace tessaly::fakes
