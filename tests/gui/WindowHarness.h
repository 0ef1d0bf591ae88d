#pragma once

// A publisher window under test: its own temporary folder and settings file,
// dialogs, message boxes and colour choices scripted, and a launcher that only
// records what it would start.

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Launcher.h"
#include "app/MainWindow.h"
#include "core/Prompts.h"
#include "core/hotspots/HotSpotEditor.h"
#include "core/movies/MovieInfoCache.h"
#include "media/FfmpegEncoder.h"
#include "media/ModuleMovieTools.h"
#include "ui/ControlId.h"
#include "ui/QtPrompts.h"
#include "ui/TickSound.h"

namespace tessaly::gui_test {

class RecordingLauncher : public app::Launcher {
public:
    bool selectorRunning = false;
    bool browserStarts = true;
    int activations = 0;
    std::vector<QString> started;
    std::vector<QUrl> opened;

    bool activateSelector() override {
        ++activations;
        return selectorRunning;
    }
    bool startProgram(const QString& path) override {
        started.push_back(path);
        return true;
    }
    bool openUrl(const QUrl& url) override {
        opened.push_back(url);
        return browserStarts;
    }
};

// Gives the command of the action or control with this id as the person
// would: the action triggered, the button clicked, the list's choice made.
void sendCommand(app::MainWindow& window, int id);

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new window over the same folder and settings file (the old one is
    // dropped), with the test's tools unless told others.
    app::MainWindow& openWindow(std::optional<app::MediaTools> tools = std::nullopt);
    // Another window over the same folders, beside the test's own.
    std::unique_ptr<app::MainWindow> makeWindow(std::optional<app::MediaTools> tools = std::nullopt);
    app::MainWindow& window() { return *window_; }
    // The tools every window of the test works with.
    app::MediaTools tools() { return {movieTools_, encoder_}; }
    // A control or menu item of the window, by its id.
    QWidget* control(int id) const { return ui::findControl(window_->centralWidget(), id); }
    template <class T>
    T* control(int id) const {
        return qobject_cast<T*>(control(id));
    }
    QAction* menuAction(int id) const;
    std::filesystem::path folder() const;
    std::filesystem::path settingsPath() const { return folder() / "publisher.ini"; }
    // Messages that would have been shown since the last call.
    std::vector<Message> messages();
    // Runs `start` and waits for the long job it began, if any, to end.
    void toEnd(const std::function<void()>& start);
    void commandToEnd(int id) {
        toEnd([&] { sendCommand(window(), id); });
    }
    // Runs `action`, closing the modal window it opens; returns that window's title.
    QString closeModal(const std::function<void()>& action);
    // A file of `bytes` at `name` in the test's folder.
    std::filesystem::path writeFile(const std::string& name, const std::string& bytes = "x");

    QTemporaryDir dir_;
    RecordingLauncher launcher_;
    movies::MovieInfoCache movieTools_{media::moduleMovieTools()};
    media::FfmpegEncoder encoder_;
    std::unique_ptr<app::MainWindow> window_;
};

// A test movie for ffmpeg to make: a red square crossing a plain background
// (half the width a second), H.264 in MP4 by default, a key frame every few
// frames so that a decoder that falls behind catches up at once. Little changes
// from frame to frame, so even 4K decodes quickly on a busy machine.
struct Clip {
    std::string name = "clip.mp4";
    std::string size = "320x160";
    double seconds = 2;
    int rate = 30;                        // frames a second
    std::string background = "0x808080";  // an ffmpeg colour
    bool square = true;                   // the moving square
    std::string sound = "";               // ffmpeg's options for a sine tone; none when empty
    std::string video =
        "-c:v libx264 -preset ultrafast -crf 30 -g 10 -pix_fmt yuv420p";  // ffmpeg's video options
};

// Makes the movie in `folder`; empty when ffmpeg could not.
std::filesystem::path makeClip(const std::filesystem::path& folder, const Clip& clip = {});

// Waits until `done` or `ms` have passed, letting the window work meanwhile.
bool waitFor(const std::function<bool()>& done, int ms);

}  // namespace tessaly::gui_test
