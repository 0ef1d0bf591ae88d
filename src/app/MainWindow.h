#pragma once

// The publisher's only top-level window: menus, accelerators, command buttons,
// movie rows, options, preview, yaw slider and hot-spot panel, each control at
// its pixel place and carrying its numeric id. Command dispatch, the settings
// binding and the hot-spot panel are pieces it owns.

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandDispatcher.h"
#include "app/Controls.h"
#include "core/hotspots/HotSpot.h"
#include "core/model/ProjectFile.h"
#include "core/model/RecentProjects.h"
#include "core/model/ViewerSettings.h"
#include "core/text/Files.h"

class QMenu;
class QTimer;

namespace tessaly::hotspots {
class HotSpotEditor;
}
namespace tessaly::movies {
class MovieEncoder;
class MovieTools;
}  // namespace tessaly::movies
namespace tessaly::ui {
class QtPrompts;
class TickSound;
}  // namespace tessaly::ui

namespace tessaly::app {

class BrowserPreview;
class FileDrops;
class HotSpotPanel;
class Launcher;
class EncodeCommand;
class PublishCommand;
class PathLabel;
class QtPreviewPlayer;
class QtScheduler;
class SettingsBinding;
class ToolTips;

struct WindowSetup {
    model::ViewerSettings start;          // start values, folders included
    std::filesystem::path settingsPath;   // the settings file, read at creation
    std::filesystem::path programFolder;  // where selector and publisher.pdf lie
};

// The process's current folder, where a file's empty folder values point.
std::string currentFolder();

class MainWindow : public QMainWindow, private CommandOperations {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 910;
    static constexpr int kClientHeight = 665;

    MainWindow(const WindowSetup& setup, Launcher& launcher, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* control(int id) const;
    template <class T>
    T* control(int id) const {
        return qobject_cast<T*>(control(id));
    }
    QAction* menuAction(int id) const;
    // Sends a command as a control, menu item or accelerator would.
    void command(int id, int code = codes::kClicked);

    ui::TickSound& tick() { return *tick_; }
    hotspots::HotSpotList& hotSpots() { return hotSpots_; }
    hotspots::HotSpotEditor& editor() { return *editor_; }
    SettingsBinding& settings() { return *settings_; }
    QtPreviewPlayer& player() { return *player_; }
    // What Preview in Browser serves now; null before the first preview.
    const BrowserPreview* browserPreview() const { return preview_.get(); }
    // True while Publish Web Movie runs; the window then takes no commands.
    bool publishing() const;
    // True while Make Web Versions runs; the same holds.
    bool encoding() const;
    ToolTips& toolTips() { return *toolTips_; }
    // Movie slot 1..3: the text of its path label; its tooltip says what the movie holds.
    QString moviePath(int slot) const;
    void setMoviePath(int slot, const QString& path);
    // Files from outside the window's dialogs (its command line, a second
    // start): one project opens as Load Project does, one movie loads into
    // slot 1; anything else is refused with a message. While a dialog is open
    // or a publish runs, they wait for the window to be free.
    void openFiles(const std::vector<std::filesystem::path>& files);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildAccelerators();
    void buildHeader(const CommandSink& sink);
    void showToolTipHelp(bool on);
    PathLabel* pathLabel(int slot) const;
    bool confirmExit();
    void keepOptionsOnExit();
    void applySettingsFile();
    model::MovieSlots movieSlots() const;
    void reportError(const text::FileError& error);
    // A dialog or a publish has the window's attention.
    bool busy() const;
    void openProject(const std::filesystem::path& project);
    void openMovie(int slot, const std::filesystem::path& movie);
    // The movie row (load button and path label) under a point of the window, 1..3, or 0.
    int movieRowAt(const QPoint& windowPoint) const;

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
    void removeAdditionalMovies() override;
    void loadMovie(int slot) override;
    void openRecentProject(int n) override;
    void clearRecentProjects() override;
    void previewInBrowser() override;

    // A publish cancelled by closing the window closes it once the publish has stopped.
    void closeIfAsked();
    // The projects last opened or saved, from their file.
    void showRecentProjects();
    void rememberProject(const std::filesystem::path& project);
    void makeWebVersions() override;

    WindowSetup setup_;
    Launcher& launcher_;
    QWidget* client_;
    hotspots::HotSpotList hotSpots_;
    std::unique_ptr<ui::TickSound> tick_;
    std::unique_ptr<ui::QtPrompts> prompts_;
    std::unique_ptr<QtScheduler> scheduler_;
    // The media module's tools, each movie's header read once for the rows' tooltips,
    // the check before publishing and the publish.
    std::unique_ptr<movies::MovieTools> movieTools_;
    QtPreviewPlayer* player_ = nullptr;  // owned by its host control
    std::unique_ptr<HotSpotPanel> panel_;
    std::unique_ptr<hotspots::HotSpotEditor> editor_;
    std::unique_ptr<SettingsBinding> settings_;
    ToolTips* toolTips_ = nullptr;  // owned by the client area
    std::unique_ptr<PublishCommand> publish_;
    std::unique_ptr<movies::MovieEncoder> encoder_;
    std::unique_ptr<EncodeCommand> encode_;
    std::unique_ptr<CommandDispatcher> dispatcher_;
    std::filesystem::path project_;                    // the project last loaded or saved
    std::vector<std::filesystem::path> waitingFiles_;  // handed over while busy
    QTimer* waitingTimer_ = nullptr;
    FileDrops* drops_ = nullptr;  // owned by the window
    QMenu* recentMenu_ = nullptr;
    model::RecentProjects recent_;             // as the menu shows them
    std::unique_ptr<BrowserPreview> preview_;  // the page Preview in Browser serves
    bool colourBusy_[2] = {false, false};
    bool exiting_ = false;
    bool closeAfterPublish_ = false;  // closing waits for the cancelled publish
    bool closeAfterEncode_ = false;   // and for the cancelled encoding
};

}  // namespace tessaly::app
