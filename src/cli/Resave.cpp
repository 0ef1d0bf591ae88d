#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/Usage.h"
#include "cli/Verbs.h"
#include "core/model/AppState.h"
#include "core/model/ProjectFile.h"

namespace tessaly::cli {

// Loads a project into the start state, as Load Project leaves the window, and
// writes it as Save Project does: a hand-edited or foreign project comes out in
// the form this program writes.
int runResave(const Arguments& args, std::ostream&, std::ostream& err) {
    if (args.size() != 2) {
        err << usage("resave");
        return 2;
    }
    std::error_code ec;
    const std::string currentFolder = std::filesystem::current_path(ec).string();
    model::AppState state = model::startState(currentFolder, {});
    const Result<void> loaded =
        model::loadProject(args[0], state.settings, state.movies, state.hotSpots, currentFolder);
    if (loaded.failed()) {
        err << "tessaly: " << loaded.failure().message() << '\n';
        return 1;
    }
    const Result<void> saved = model::saveProject(args[1], state.settings, state.movies, state.hotSpots);
    if (saved.failed()) {
        err << "tessaly: " << saved.failure().message() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace tessaly::cli
