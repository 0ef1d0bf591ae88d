#include "app/CommandDispatcher.h"

#include <QGuiApplication>

#include "app/ControlIds.h"
#include "app/Controls.h"
#include "core/hotspots/HotSpot.h"
#include "core/model/RecentProjects.h"
#include "core/movies/ChosenCaptions.h"
#include "ui/TickSound.h"

namespace tessaly::app {

CommandDispatcher::CommandDispatcher(CommandOperations& ops, ui::TickSound& tick) : ops_(ops), tick_(tick) {
    using namespace ids;
    table_ = {
        // The job runner shows the busy pointer while the movies are copied.
        {kPublish, [this] { ops_.publishWebMovie(); }},
        {kAbout, [this] { ops_.about(); }},
        {kOptionsByDefault, [this] { ops_.optionsByDefault(); }},
        {kExit, [this] { ops_.requestExit(); }},
        {kShortHelp, [this] { ops_.shortHelp(); }},
        {kToolTipToggle, [this] { ops_.toggleToolTips(); }},
        {kSaveOptions, [this] { ops_.saveOptions(); }},
        {kUserGuide, [this] { ops_.userGuide(); }},
        {kSelector, [this] { ops_.startSelector(); }},
        {kAddHotSpot, [this] { ops_.addHotSpot(); }},
        {kClearHotSpot, [this] { ops_.clearHotSpot(); }},
        {kClearAllHotSpots, [this] { ops_.clearAllHotSpots(); }},
        {kIcon1, [this] { ops_.chooseIcon(1); }},
        {kIcon2, [this] { ops_.chooseIcon(2); }},
        {kLoadProject,
         [this] {
             tick_.play();
             ops_.loadProject();
         }},
        {kSaveProject,
         [this] {
             tick_.play();
             ops_.saveProject();
         }},
        {kSaveProjectAs, [this] { ops_.saveProjectAs(); }},
        {kUndo, [this] { ops_.undo(); }},
        {kRedo, [this] { ops_.redo(); }},
        {kRemoveAdditional, [this] { ops_.removeAdditionalMovies(); }},
        {kLoadMovie1, [this] { ops_.loadMovie(1); }},
        {kLoadMovie2, [this] { ops_.loadMovie(2); }},
        {kLoadMovie3, [this] { ops_.loadMovie(3); }},
        {kClearRecentProjects, [this] { ops_.clearRecentProjects(); }},
        {kPreviewInBrowser,
         [this] {
             QGuiApplication::setOverrideCursor(Qt::WaitCursor);
             ops_.previewInBrowser();
             QGuiApplication::restoreOverrideCursor();
         }},
        {kMakeWebVersions, [this] { ops_.makeWebVersions(); }},
        {kLoadCaptions, [this] { ops_.loadCaptions(); }},
    };
    for (int n = 1; n <= static_cast<int>(model::kRecentProjectsLimit); ++n) {
        table_.emplace(recentProject(n), [this, n] { ops_.openRecentProject(n); });
    }
    for (int n = 1; n <= static_cast<int>(movies::kChosenCaptionLimit); ++n) {
        table_.emplace(removeCaptions(n), [this, n] { ops_.removeCaptions(n); });
    }
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        table_.emplace(slotSelector(n), [this, n] { ops_.selectSlot(n); });
    }
}

void CommandDispatcher::dispatch(int id, int code) {
    // The "Choose Color" buttons have a handler of their own: the colour dialog
    // comes first, the tick after it has closed.
    if (code == codes::kClicked && (id == ids::kBgColorChoose || id == ids::kBlackAreaChoose)) {
        ops_.chooseColour(id);
    }
    if (code != codes::kClicked && code != codes::kActivated) return;
    tick_.play();
    const auto it = table_.find(id);
    if (it != table_.end()) it->second();
}

}  // namespace tessaly::app
