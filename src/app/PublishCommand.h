#pragma once

// Publish Web Movie from the window. The checks' messages, the page dialog and
// the stopped player come first; from then on the job runner's progress window
// with a Cancel button shows while the movies are read, and again after the
// question about movies that will not play well, while core publishes on a
// worker and the window's commands are off. The tick and the outcome come
// last; after a success the person may open the page or its folder.

#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/hotspots/HotSpot.h"
#include "core/model/ProjectFile.h"
#include "core/model/ViewerSettings.h"
#include "core/publish/Publisher.h"

class QWidget;

namespace tessaly {
class Prompts;
}
namespace tessaly::hotspots {
class PreviewPlayer;
}
namespace tessaly::movies {
class MovieTools;
}
namespace tessaly::ui {
class TickSound;
}

namespace tessaly::app {

class JobRunner;
class Launcher;

class PublishCommand {
public:
    // The settings once the command has ended: the page's folder as the save
    // folder and, after a rejected custom size, the size reset.
    using SettingsBack = std::function<void(const model::ViewerSettings& settings)>;
    // How a publish went (the caller tells the person), with the settings as above.
    using Outcome =
        std::function<void(const publish::PublishResult& result, const model::ViewerSettings& settings)>;

    PublishCommand(QWidget* window, Prompts& prompts, hotspots::PreviewPlayer& player, ui::TickSound& tick,
                   movies::MovieTools& movieTools, Launcher& launcher, JobRunner& runner)
        : window_(window),
          prompts_(prompts),
          player_(player),
          tick_(tick),
          movieTools_(movieTools),
          launcher_(launcher),
          runner_(runner) {}

    // Runs the command; `done` comes last, also when it went no further than a check.
    // `project`: the project file the window works on (never replaced), or empty.
    void run(const model::MovieSlots& movies, const model::ViewerSettings& settings,
             const hotspots::HotSpotList& hotSpots, const std::filesystem::path& project, SettingsBack done);

    // The same publish to `page`, with no dialog and no change to the save
    // folder: checks, the custom size notice, the worker with its progress.
    // With `askAboutMovies`, movies that will not play well on the web are
    // listed first, to go on or not (a look at the page in one's own browser
    // shows that without asking). `then` runs once it has ended.
    void publishTo(const std::filesystem::path& page, const model::MovieSlots& movies,
                   const model::ViewerSettings& settings, const hotspots::HotSpotList& hotSpots,
                   const std::filesystem::path& project, bool askAboutMovies, Outcome then);

    bool running() const { return running_; }

private:
    // After the page dialog; false when the command ends there.
    bool choosePage(model::ViewerSettings& settings, std::filesystem::path& page);
    // "Publishing succeeded", with the page and its folder a click away.
    void offerPage(const Message& succeeded, const std::filesystem::path& page);

    QPointer<QWidget> window_;
    Prompts& prompts_;
    hotspots::PreviewPlayer& player_;
    ui::TickSound& tick_;
    movies::MovieTools& movieTools_;
    Launcher& launcher_;
    JobRunner& runner_;
    bool running_ = false;
};

}  // namespace tessaly::app
