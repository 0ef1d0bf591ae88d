#pragma once

// The work the window holds: the project last loaded or saved and the movies
// in its rows. Loading, saving and opening go through here, the file dialogs'
// choices and files handed over from outside alike; handed-over files wait
// while a dialog or a long job has the window.

#include <QObject>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Prompts.h"
#include "core/hotspots/HotSpot.h"
#include "core/platform/Files.h"

class QTimer;
class QWidget;

namespace tessaly::hotspots {
class HotSpotEditor;
class PreviewPlayer;
}  // namespace tessaly::hotspots

namespace tessaly::app {

class MovieRows;
class RecentProjectsMenu;
class SettingsBinding;

// The process's current folder, where a file's empty folder values point.
std::string currentFolder();

// A file error in the window's error box.
void reportError(Prompts& prompts, const platform::FileError& error);

class ProjectSession {
public:
    struct Parts {
        QWidget* window;
        Prompts& prompts;
        SettingsBinding& settings;
        MovieRows& rows;
        RecentProjectsMenu& recent;
        hotspots::HotSpotList& hotSpots;
        hotspots::HotSpotEditor& editor;
        hotspots::PreviewPlayer& player;
        std::function<bool()> busy;  // a dialog or a long job has the window
    };

    explicit ProjectSession(Parts parts) : p_(std::move(parts)) {}

    const std::filesystem::path& project() const { return project_; }
    // Beside the project; a movie not yet in a project has them beside itself.
    std::filesystem::path workFolder() const;

    // The dialogs, then opening or saving what was chosen.
    void loadProject();
    void saveProject();
    void loadMovie(int slot);
    // A project that cannot be read changes nothing.
    void openProject(const std::filesystem::path& project);
    void openMovie(int slot, const std::filesystem::path& movie);
    // One project opens, one movie loads into slot 1; anything else is refused
    // with a message. While the window is busy, the latest files wait.
    void openFiles(const std::vector<std::filesystem::path>& files);

private:
    // The file dialog, in the load folder; the window is repainted under it.
    std::optional<std::filesystem::path> choose(FileChoice::Mode mode, std::string_view title,
                                                std::string filter, std::string_view initialName = {});

    Parts p_;
    std::filesystem::path project_;                    // the project last loaded or saved
    std::vector<std::filesystem::path> waitingFiles_;  // handed over while busy
    QTimer* waitingTimer_ = nullptr;
};

}  // namespace tessaly::app
