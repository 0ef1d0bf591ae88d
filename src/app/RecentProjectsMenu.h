#pragma once

// File > Recent Projects: the projects last opened or saved, newest first, as
// their file beside the settings lists them. Another window may add to the
// file, so the menu reads it again each time File opens.

#include <filesystem>
#include <optional>

#include "app/WindowMenus.h"

namespace tessaly::app {

class RecentProjectsMenu {
public:
    RecentProjectsMenu(const WindowMenus& menus, const std::filesystem::path& settingsPath);

    // Reads the list and shows it.
    void refresh();
    void remember(const std::filesystem::path& project);
    void clear();
    // Entry n = 1..8 as the menu shows it.
    std::optional<std::filesystem::path> entry(int n) const;

private:
    WindowMenus menus_;
    std::filesystem::path file_;
    model::RecentProjects recent_;  // as the menu shows them
};

}  // namespace tessaly::app
