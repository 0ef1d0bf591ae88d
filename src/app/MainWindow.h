#pragma once

// The publisher's only top-level window. It wires the parts that each do one
// job: the header, the menus and their actions, the movie rows, the options,
// the hot-spot panel and editor, the Recent Projects menu, the project
// session and the runner of the long jobs. Each action and each part's signal
// is connected to the part that carries the command out, through one step
// that ticks and records the command in the edit history.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

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
struct OptionControls;
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
    // Where the window's size and place are kept from one run to the next
    // (windowPlaceFile()); empty: nowhere, and it opens at its first size.
    QString placeFile;
};

// The media module's tools the window works with, made by its creator.
struct MediaTools {
    // Each movie's header read once, for the rows' tooltips, the check before
    // publishing and the publish; safe to use from several threads.
    movies::MovieTools& movies;
    movies::MovieEncoder& encoder;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 910;
    static constexpr int kClientHeight = 665;

    MainWindow(const WindowSetup& setup, Launcher& launcher, MediaTools tools, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Every command of the window, its menu items, keys and buttons; a long
    // job turns them off while it runs.
    void setCommandsEnabled(bool enabled);

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
    // Connects each action and part signal to what carries its command out.
    void wireCommands(const OptionControls& options);
    // What the person's command does, in one step: a publish or an encoding
    // under way refuses it; typing not yet recorded becomes a step of its own,
    // the click ticks (before `work`, or after it with `tickAfter`), and what
    // `work` changed becomes the next step.
    void run(const std::function<void()>& work, bool tickAfter = false);
    // `run` for a signal's connection.
    std::function<void()> step(std::function<void()> work) {
        return [this, work = std::move(work)] { run(work); };
    }
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
    // After slot 1's movie was replaced: the note on what now disagrees with it.
    void noteMismatches(const movies::MovieInfo& main);
    // Ambisonic sound plays in the preview as its first channel alone.
    void previewSound(movies::MovieTools& tools, const QString& path, const movies::MovieInfo& info);

    // The commands the window carries out itself.
    void publishWebMovie();
    void about();
    void optionsByDefault();
    void shortHelp();
    void saveOptions();
    void userGuide();
    void startSelector();
    void chooseColour(bool background);
    void removeAdditionalMovies();
    void previewInBrowser();
    void makeWebVersions();
    void loadCaptions();

    WindowSetup setup_;
    Launcher& launcher_;
    QWidget* client_;
    hotspots::HotSpotList hotSpots_;
    std::unique_ptr<ui::TickSound> tick_;
    std::unique_ptr<ui::QtPrompts> prompts_;
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
