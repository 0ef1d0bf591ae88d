#pragma once

// Every menu item, accelerator, button, box, list change and notifying label
// arrives here as (id, notification code). The filter drops text changes and
// the like; everything else ticks, then reaches its operation.

#include <functional>
#include <unordered_map>

namespace tessaly::ui {
class TickSound;
}

namespace tessaly::app {

// The operations commands reach; the window carries them out.
class CommandOperations {
public:
    virtual ~CommandOperations() = default;
    virtual void publishWebMovie() = 0;
    virtual void about() = 0;
    virtual void optionsByDefault() = 0;
    virtual void requestExit() = 0;
    virtual void shortHelp() = 0;
    virtual void toggleToolTips() = 0;
    virtual void saveOptions() = 0;
    virtual void userGuide() = 0;
    virtual void startSelector() = 0;
    virtual void selectSlot(int n) = 0;
    virtual void addHotSpot() = 0;
    virtual void clearHotSpot() = 0;
    virtual void clearAllHotSpots() = 0;
    virtual void chooseIcon(int icon) = 0;
    virtual void chooseColour(int buttonId) = 0;
    virtual void loadProject() = 0;
    virtual void saveProject() = 0;
    virtual void saveProjectAs() = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual void removeAdditionalMovies() = 0;
    virtual void loadMovie(int slot) = 0;
    virtual void openRecentProject(int n) = 0;
    virtual void clearRecentProjects() = 0;
    virtual void previewInBrowser() = 0;
    virtual void makeWebVersions() = 0;
    virtual void loadCaptions() = 0;
    virtual void removeCaptions(int n) = 0;
};

class CommandDispatcher {
public:
    CommandDispatcher(CommandOperations& operations, ui::TickSound& tick);

    // A command with its notification code (codes:: in Controls.h).
    void dispatch(int id, int code);
    // Whether a command of this id has an operation (others only tick).
    bool hasOperation(int id) const { return table_.count(id) != 0; }

private:
    CommandOperations& ops_;
    ui::TickSound& tick_;
    std::unordered_map<int, std::function<void()>> table_;
};

}  // namespace tessaly::app
