#pragma once

// The publisher's only top-level window. It wires the parts that each do one
// job: the header, the menus and accelerators, the movie rows, the options,
// the hot-spot panel and editor, the Recent Projects menu, the project
// session and the runner of the long jobs; commands reach it through the
// dispatcher and it hands each to its part.

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/CommandDispatcher.h"
#include "app/Controls.h"
#include "app/PreviewInBrowser.h"
#include "app/ProjectSession.h"
#include "app/WindowHeader.h"
#include "app/WindowMenus.h"
#include "core/hotspots/HotSpot.h"
#include "core/model/ProjectFile.h"
#include "core/model/ViewerSettings.h"

namespace tessaly::hotspots {
class HotSpotEditor;
}
namespace tessaly::movies {
class MovieEncoder;
class MovieTools;
struct MovieInfo;
}  // namespace tessaly::movies
namespace tessaly::ui {
class QtPrompts;
class TickSound;
}  // namespace tessaly::ui

namespace tessaly::app {

class BrowserPreview;
class CaptionDisplay;
class EncodeCommand;
class FileDrops;
class HotSpotPanel;
class JobRunner;
class Launcher;
class MismatchNote;
class MovieRows;
class PreviewAddressNote;
class PublishCommand;
class QtPreviewPlayer;
class RecentProjectsMenu;
class SettingsBinding;
class StereoChoice;
class ToolTips;
class TransportStrip;
class WorkRecovery;

struct WindowSetup {
    model::ViewerSettings start;          // start values, folders included
    std::filesystem::path settingsPath;   // the settings file, read at creation
    std::filesystem::path programFolder;  // where selector and publisher.pdf lie
    // Where unsaved work is kept against a crash; empty: nowhere.
    std::filesystem::path recoveryFolder;
};

// The media module's tools the window works with, made by its creator.
struct MediaTools {
    // Each movie's header read once, for the rows' tooltips, the check before
    // publishing and the publish; safe to use from several threads.
    movies::MovieTools& movies;
    movies::MovieEncoder& encoder;
};

class MainWindow : public QMainWindow, private CommandOperations {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 910;
    static constexpr int kClientHeight = 665;

    MainWindow(const WindowSetup& setup, Launcher& launcher, MediaTools tools, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Sends a command as a control, menu item or accelerator would.
    void command(int id, int code = codes::kClicked);

    ui::TickSound& tick() { return *tick_; }
    hotspots::HotSpotList& hotSpots() { return hotSpots_; }
    hotspots::HotSpotEditor& editor() { return *editor_; }
    SettingsBinding& settings() { return *settings_; }
    QtPreviewPlayer& player() { return *header_.player; }
    TransportStrip& transportStrip() { return *header_.strip; }
    // What Preview in Browser serves now; null before the first preview.
    const BrowserPreview* browserPreview() const { return browser_->preview(); }
    // The note with the served page's address; null before the first preview.
    PreviewAddressNote* previewAddressNote() { return browser_->note(); }
    // True while Publish Web Movie runs; the window's commands are off then.
    bool publishing() const;
    // True while Make Web Versions runs; the same holds.
    bool encoding() const;
    // Runs the long jobs; says when one ends.
    JobRunner& jobs() { return *jobs_; }
    ToolTips& toolTips() { return *toolTips_; }
    // Movie slot 1..3: the text of its path label; its tooltip says what the movie holds.
    QString moviePath(int slot) const;
    void setMoviePath(int slot, const QString& path);
    // Files from outside the window's dialogs (its command line, a second
    // start): one project opens as Load Project does, one movie loads into
    // slot 1; anything else is refused with a message. While a dialog is open
    // or a long job runs, they wait for the window to be free.
    void openFiles(const std::vector<std::filesystem::path>& files);
    // At start: offers back the unsaved work of a window that ended badly.
    void offerRecovery();
    WorkRecovery& recovery() { return *recovery_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildParts(MediaTools tools);
    // Every change to the work becomes a step of the edit history and is kept against a crash.
    void watchEdits();
    void showToolTipHelp(bool on);
    bool confirmExit();
    void keepOptionsOnExit();
    void closeForGood();
    void applySettingsFile();
    // The used slots' time windows over the preview's slider, the current one marked.
    void showSlots();
    // A dialog or a long job has the window's attention.
    bool busy() const;
    // After a command, and after the long work it began: its change is a step of the edit history.
    void commandDone();
    // Off while a long job runs: controls, menus and accelerators.
    void allowCommands(bool on);
    // After slot 1's movie was replaced: the note on what now disagrees with it.
    void noteMismatches(const movies::MovieInfo& main);
    // Ambisonic sound plays in the preview as its first channel alone.
    void previewSound(movies::MovieTools& tools, const QString& path, const movies::MovieInfo& info);

    // CommandOperations
    void publishWebMovie() override;
    void about() override;
    void optionsByDefault() override;
    void requestExit() override;
    void shortHelp() override;
    void toggleToolTips() override;
    void saveOptions() override;
    void userGuide() override;
    void startSelector() override;
    void selectSlot(int n) override;
    void addHotSpot() override;
    void clearHotSpot() override;
    void clearAllHotSpots() override;
    void chooseIcon(int icon) override;
    void chooseColour(int buttonId) override;
    void loadProject() override;
    void saveProject() override;
    void saveProjectAs() override;
    void undo() override;
    void redo() override;
    void removeAdditionalMovies() override;
    void loadMovie(int slot) override;
    void openRecentProject(int n) override;
    void clearRecentProjects() override;
    void previewInBrowser() override;
    void makeWebVersions() override;
    void loadCaptions() override;
    void removeCaptions(int n) override;

    WindowSetup setup_;
    Launcher& launcher_;
    QWidget* client_;
    hotspots::HotSpotList hotSpots_;
    std::unique_ptr<ui::TickSound> tick_;
    std::unique_ptr<ui::QtPrompts> prompts_;
    std::unique_ptr<CommandDispatcher> dispatcher_;
    WindowMenus menus_;
    WindowHeader header_;
    std::unique_ptr<MovieRows> rows_;
    CommandButtons buttons_;
    std::unique_ptr<CaptionDisplay> captions_;
    std::unique_ptr<HotSpotPanel> panel_;
    std::unique_ptr<hotspots::HotSpotEditor> editor_;
    std::unique_ptr<StereoChoice> stereo_;
    std::unique_ptr<SettingsBinding> settings_;
    ToolTips* toolTips_ = nullptr;  // owned by the client area
    std::unique_ptr<PublishCommand> publish_;
    std::unique_ptr<EncodeCommand> encode_;
    // Reset first when the window goes: a running step may use the commands above.
    std::unique_ptr<JobRunner> jobs_;
    std::vector<QPointer<QAction>> actionsOff_;  // the menu items a job turned off
    std::unique_ptr<RecentProjectsMenu> recent_;
    std::unique_ptr<ProjectSession> session_;
    std::unique_ptr<WorkRecovery> recovery_;
    FileDrops* drops_ = nullptr;            // owned by the window
    MismatchNote* mismatchNote_ = nullptr;  // owned by the window, made when first needed
    std::unique_ptr<PreviewInBrowser> browser_;
    bool colourBusy_[2] = {false, false};
    bool exiting_ = false;
    bool placeRestored_ = false;  // the window stands where it was left
};

}  // namespace tessaly::app
