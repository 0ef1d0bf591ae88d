#pragma once

// Publish Web Movie from the window. The checks' messages, the page dialog,
// the stopped player and the question about movies that will not play well
// come first; then core publishes on a worker thread while
// the window takes no input and, during the movie copy, shows its progress
// with a Cancel button; the tick and the outcome come last.

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

class PublishCommand {
public:
    PublishCommand(QWidget* window, Prompts& prompts, hotspots::PreviewPlayer& player, ui::TickSound& tick,
                   movies::MovieTools& movieTools)
        : window_(window), prompts_(prompts), player_(player), tick_(tick), movieTools_(movieTools) {}

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
    publish::PublishReport publishInBackground(const publish::PublishJob& job);

    QPointer<QWidget> window_;
    Prompts& prompts_;
    hotspots::PreviewPlayer& player_;
    ui::TickSound& tick_;
    movies::MovieTools& movieTools_;
    bool running_ = false;
    std::atomic<bool> stop_{false};
};

}  // namespace tessaly::app
