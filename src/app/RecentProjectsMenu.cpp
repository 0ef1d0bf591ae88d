#include "app/RecentProjectsMenu.h"

#include <QAction>
#include <QMenu>

#include "core/platform/FileSystem.h"
#include "ui/Strings.h"

namespace tessaly::app {

RecentProjectsMenu::RecentProjectsMenu(const WindowMenus& menus, const std::filesystem::path& settingsPath)
    : menus_(menus), file_(model::recentProjectsPath(settingsPath)) {
    QObject::connect(menus_.file, &QMenu::aboutToShow, menus_.file, [this] { refresh(); });
    refresh();
}

void RecentProjectsMenu::refresh() {
    recent_ = model::loadRecentProjects(file_);
    for (std::size_t index = 0; index < menus_.recentEntries.size(); ++index) {
        QAction* entry = menus_.recentEntries[index];
        entry->setVisible(index < recent_.size());
        if (index >= recent_.size()) continue;
        QString path = ui::qpath(recent_[index]);
        entry->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(
            path.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        // A project moved or deleted since is shown, greyed.
        entry->setEnabled(platform::fileStatus(recent_[index]).kind == platform::FileKind::Regular);
    }
    menus_.recent->menuAction()->setEnabled(!recent_.empty());
}

void RecentProjectsMenu::remember(const std::filesystem::path& project) {
    // A list that cannot be written only costs the menu entry.
    model::saveRecentProjects(file_, model::withRecentProject(model::loadRecentProjects(file_), project));
    refresh();
}

void RecentProjectsMenu::clear() {
    model::saveRecentProjects(file_, {});
    refresh();
}

std::optional<std::filesystem::path> RecentProjectsMenu::entry(int n) const {
    const auto index = static_cast<std::size_t>(n - 1);
    if (n < 1 || index >= recent_.size()) return std::nullopt;
    return recent_[index];
}

}  // namespace tessaly::app
