#pragma once

// Test doubles for what the hot-spot editor talks to.

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Prompts.h"
#include "core/hotspots/HotSpot.h"
#include "core/hotspots/HotSpotView.h"
#include "core/hotspots/PreviewPlayer.h"

namespace tessaly::hotspots::testing {

struct Row {
    std::string yaw;
    std::string pos;
    std::string time = "5.0";
    bool operator==(const Row&) const = default;
};

// The window's state after start-up, kept in plain fields.
class FakeView : public HotSpotView {
public:
    std::string link;
    std::string title;
    bool self = true;
    int selected = 1;
    std::array<Row, kSlotCount + 1> rows{};  // index 0 unused
    int slider = 0;
    int markerYaw = 0;
    std::string pitch = "0.0";
    std::vector<double> stillFrames;  // the positions held, in order

    std::string linkText() const override { return link; }
    std::string titleText() const override { return title; }
    std::string timeText(int row) const override { return rows.at(static_cast<std::size_t>(row)).time; }
    bool selfTicked() const override { return self; }

    void setLinkText(const std::string& text) override { link = text; }
    void setTitleText(const std::string& text) override { title = text; }
    void setSelfTicked(bool ticked) override { self = ticked; }
    void setSelectedSlot(int slot) override { selected = slot; }
    void setRowValues(int row, const std::string& yaw, const std::string& pos) override {
        Row& r = rows.at(static_cast<std::size_t>(row));
        r.yaw = yaw;
        r.pos = pos;
    }
    void setTimeText(int row, const std::string& text) override {
        rows.at(static_cast<std::size_t>(row)).time = text;
    }
    void setSliderPosition(int yaw) override { slider = yaw; }
    void setPitchText(const std::string& text) override { pitch = text; }
    void showMarkerAt(int yaw) override { markerYaw = yaw; }
    void holdStillFrame(double pos) override { stillFrames.push_back(pos); }
};

struct PlayerCall {
    std::string name;
    double seconds = 0;
    bool operator==(const PlayerCall&) const = default;
};

class FakePlayer : public PreviewPlayer {
public:
    double at = 0;  // what position() reports
    std::vector<PlayerCall> calls;

    void open(const std::string&) override { calls.push_back({"open"}); }
    void play() override { calls.push_back({"play"}); }
    void pause() override { calls.push_back({"pause"}); }
    void stop() override { calls.push_back({"stop"}); }
    double position() const override { return at; }
    void setPosition(double seconds) override {
        calls.push_back({"setPosition", seconds});
        at = seconds;
    }
};

class FakePrompts : public Prompts {
public:
    std::vector<Message> shown;

    void show(const Message& message) override { shown.push_back(message); }
    bool confirm(const Message& message) override {
        shown.push_back(message);
        return true;
    }
    SaveChoice askToSave(const Message& message) override {
        shown.push_back(message);
        return SaveChoice::Cancel;
    }
    std::optional<std::filesystem::path> chooseFile(const FileChoice&) override { return std::nullopt; }
};

}  // namespace tessaly::hotspots::testing
