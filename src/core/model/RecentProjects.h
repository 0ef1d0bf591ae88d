#pragma once

// File > Recent Projects: the projects last opened or saved, newest first. The
// list is a file of its own beside the settings file, one absolute path a
// line (UTF-8, LF), so the settings file keeps exactly its own lines.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Files.h"

namespace tessaly::model {

inline constexpr std::size_t kRecentProjectsLimit = 8;

using RecentProjects = std::vector<std::filesystem::path>;

// "publisher.ini" keeps its list in "publisher-recent.txt" beside it.
std::filesystem::path recentProjectsPath(const std::filesystem::path& settingsPath);

// `project` (absolute) first, without an earlier mention of it, at most
// kRecentProjectsLimit entries.
RecentProjects withRecentProject(RecentProjects list, const std::filesystem::path& project);

// The list a file holds: absolute paths only, each once, at most the limit.
RecentProjects parseRecentProjects(std::string_view text);
// A path with a line break in it cannot be kept and is left out.
std::string recentProjectsText(const RecentProjects& list);

// An unreadable or missing list is an empty one.
RecentProjects loadRecentProjects(const std::filesystem::path& file);
Result<void> saveRecentProjects(const std::filesystem::path& file, const RecentProjects& list);

}  // namespace tessaly::model
