#pragma once

// Publish Web Movie from the window. The checks' messages, the page dialog and
// the stopped player come first; from then on a progress window with a Cancel
// button shows while the movies are read, and again after the question about
// movies that will not play well, while core publishes on a worker thread and
// the window takes no input. The tick and the outcome come last; after a
// success the person may open the page or its folder.

#include <QPointer>
#include <atomic>
#include <filesystem>

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

class Launcher;
class ProgressWindow;

class PublishCommand {
public:
    PublishCommand(QWidget* window, Prompts& prompts, hotspots::PreviewPlayer& player, ui::TickSound& tick,
                   movies::MovieTools& movieTools, Launcher& launcher)
        : window_(window),
          prompts_(prompts),
          player_(player),
          tick_(tick),
          movieTools_(movieTools),
          launcher_(launcher) {}

    // Runs the command to its end. `settings` come back with the page's folder
    // as the save folder and, after a rejected custom size, the size reset.
    // `project`: the project file the window works on (never replaced), or empty.
    void run(const model::MovieSlots& movies, model::ViewerSettings& settings,
             const hotspots::HotSpotList& hotSpots, const std::filesystem::path& project);

    // The same publish to `page`, with no dialog and no change to the save
    // folder: checks, the custom size notice, the worker with its progress.
    // Says how it went; the caller tells the person. With `askAboutMovies`,
    // movies that will not play well on the web are listed first, to go on or not
    // (a look at the page in one's own browser shows that without asking).
    publish::PublishReport publishTo(const std::filesystem::path& page, const model::MovieSlots& movies,
                                     model::ViewerSettings& settings, const hotspots::HotSpotList& hotSpots,
                                     const std::filesystem::path& project, bool askAboutMovies = false);

    bool running() const { return running_; }
    // Asks a running publish to stop; run() returns within a second.
    void cancel() { stop_.store(true); }

private:
    void publishWithPlayerStopped(const model::MovieSlots& movies, model::ViewerSettings& settings,
                                  const hotspots::HotSpotList& hotSpots,
                                  const std::filesystem::path& project);
    // "Publishing succeeded", with the page and its folder a click away.
    void offerPage(const Message& succeeded, const std::filesystem::path& page);
    // Each movie read once on a worker, so the check before publishing finds it read.
    void readMovies(const model::MovieSlots& movies);
    publish::PublishReport publishInBackground(const publish::PublishJob& job, ProgressWindow& window);

    QPointer<QWidget> window_;
    Prompts& prompts_;
    hotspots::PreviewPlayer& player_;
    ui::TickSound& tick_;
    movies::MovieTools& movieTools_;
    Launcher& launcher_;
    bool running_ = false;
    std::atomic<bool> stop_{false};
};

}  // namespace tessaly::app
