#pragma once

// The recovery file: the unsaved work of one window, kept in the user's data
// folder so that a crash or a kill loses at most the last few seconds. It is a
// project file with one more line naming the project the work belongs to.
// Read back, it is as untrusted as any file: what it names is checked first.

#include <filesystem>
#include <string>

#include "core/model/ProjectFile.h"

namespace tessaly::model {

inline constexpr std::string_view kRecoveryExtension = ".hs5";

// The project's 93 lines, then "<RECOVERYOF>project</RECOVERYOF>"; an empty
// `project` is work never saved.
std::string recoveryText(const ViewerSettings& settings, const MovieSlots& movies,
                         const hotspots::HotSpotList& hotSpots, const std::filesystem::path& project);

struct RecoveredWork {
    OpenedProject work;  // read as Load Project reads a project
    // The project the work belongs to, only when that is an absolute path to an
    // existing regular ".hs5" file; empty otherwise (work never saved, or a
    // name that fails the checks).
    std::filesystem::path project;
};

// Reads the recovery file at `file` over `settings`.
Result<RecoveredWork> readRecovery(const std::filesystem::path& file, const ViewerSettings& settings,
                                   const std::string& currentFolder);

}  // namespace tessaly::model
