#pragma once

// The work the window holds: the project last loaded or saved and the movies
// in its rows. Loading, saving and opening go through here, the file dialogs'
// choices and files handed over from outside alike; handed-over files wait
// while a dialog or a long job has the window. Its edit history knows whether
// the work has changed since it was last loaded, saved or started; the session
// says so in the window's title and asks before changed work is replaced.

#include <QObject>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/EditHistory.h"
#include "core/Prompts.h"
#include "core/hotspots/HotSpot.h"
#include "core/platform/Files.h"

class QWidget;

namespace tessaly::hotspots {
class HotSpotEditor;
class PreviewPlayer;
}  // namespace tessaly::hotspots
namespace tessaly::movies {
struct MovieInfo;
}

namespace tessaly::model {
struct OpenedProject;
struct RecoveredWork;
}  // namespace tessaly::model

namespace tessaly::app {

class HotSpotPanel;
class JobRunner;
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
        HotSpotPanel& panel;
        hotspots::PreviewPlayer& player;
        JobRunner& jobs;  // handed-over files wait while it runs
        // Slot 1's movie was replaced and has been read.
        std::function<void(const movies::MovieInfo&)> mainMovieReplaced;
    };

    // The work as it is now counts as unchanged.
    explicit ProjectSession(Parts parts);

    const std::filesystem::path& project() const { return project_; }
    // Beside the project; a movie not yet in a project has them beside itself.
    std::filesystem::path workFolder() const;

    // The dialogs, then opening or saving what was chosen.
    void loadProject();
    // Writes the project to its own file, or asks for one as Save As does when
    // the work has none yet. True once the project is written; false when the
    // person cancelled or it failed.
    bool saveProject();
    // Always asks for the file; another file that exists is replaced only once
    // the person agrees.
    bool saveProjectAs();
    void loadMovie(int slot);
    // A project that cannot be read changes nothing.
    void openProject(const std::filesystem::path& project);
    void openMovie(int slot, const std::filesystem::path& movie);
    // One project opens, one movie loads into slot 1; anything else is refused
    // with a message. Files handed over while the window is busy wait, and
    // open in turn once the dialog or job is over.
    void openFiles(const std::vector<std::filesystem::path>& files);

    // Work a window left unsaved when it ended badly: it replaces the (new)
    // work and stays marked changed until it is saved.
    void openRecovered(const model::RecoveredWork& recovered);

    // An option, a movie slot or a Hot Spot differs from the project last
    // loaded or saved (from the start, before either). Typing not yet recorded
    // is recorded first.
    bool changed() { return history_.settle(); }
    EditHistory& history() { return history_; }
    // What a recovery file keeps of the work now.
    std::string recoveryText() const;
    // Before changed work is replaced: Save (through Save Project) or Discard
    // go on, Cancel (here or in the save dialog) stops. Unchanged work goes on.
    bool settleChanges();
    // The window's title, marked while the work is changed.
    void showChanged();

private:
    // The file dialog, in `folder` or else the load folder; the window is repainted under it.
    std::optional<std::filesystem::path> choose(FileChoice::Mode mode, std::string_view title,
                                                std::string filter, std::string_view initialName = {},
                                                const std::filesystem::path& folder = {});
    // Where Load Project starts: beside the project last loaded or saved
    // (in this run or, from Recent Projects, an earlier one), else the load folder.
    std::filesystem::path projectFolder() const;
    bool writeProject(const std::filesystem::path& file);
    // Shows an opened project's work in the window and starts its main movie.
    void showOpened(const model::OpenedProject& opened);
    Work work() const;
    void showWork(const Work& work);
    void openNow(const std::vector<std::filesystem::path>& files);
    // The files handed over open in turn while the window is free.
    void openWaitingFiles();
    // openWaitingFiles() again once the job has ended or the dialog has closed.
    void waitUntilFree();

    Parts p_;
    EditHistory history_;
    std::filesystem::path project_;                                // the project last loaded or saved
    std::deque<std::vector<std::filesystem::path>> waitingFiles_;  // handed over, not yet opened
    bool waiting_ = false;                                         // for a job or a dialog to end
    bool opening_ = false;                                         // handed-over files being opened
};

}  // namespace tessaly::app
