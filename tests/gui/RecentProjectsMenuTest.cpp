// File > Recent Projects: the last eight projects opened or saved, newest
// first, kept beside the settings file; a project gone since is greyed.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "core/model/ProjectFile.h"
#include "core/platform/Files.h"
#include "ui/FileDialog.h"
#include "ui/Strings.h"

namespace tessaly::gui_test {
namespace {

namespace fs = std::filesystem;
using namespace app::ids;

class RecentProjectsMenu : public WindowTest {
protected:
    fs::path writeProject(const std::string& name) {
        model::ViewerSettings s;
        s.htmlTitle = name;
        const fs::path file = folder() / name;
        EXPECT_TRUE(model::saveProject(file, s, {}, {}).ok());
        return file;
    }

    // The entries as the File menu opens: "&n path", with " (grey)" after a greyed one.
    std::vector<std::string> shown() {
        emit window().menuBar()->actions().front()->menu()->aboutToShow();
        std::vector<std::string> entries;
        for (int n = 1; n <= 8; ++n) {
            const QAction* entry = menuAction(recentProject(n));
            if (!entry->isVisible()) continue;
            entries.push_back(ui::utf8(entry->text()) + (entry->isEnabled() ? "" : " (grey)"));
        }
        return entries;
    }

    std::string entry(int n, const fs::path& project) {
        return "&" + std::to_string(n) + " " + project.string();
    }

    QString title() { return control<QLineEdit>(kHtmlTitle)->text(); }
};

TEST_F(RecentProjectsMenu, ProjectsOpenedOrSavedComeFirstEachOnce) {
    EXPECT_TRUE(shown().empty());
    EXPECT_FALSE(menuAction(kRecentProjects)->isEnabled()) << "nothing to choose yet";

    const fs::path a = writeProject("a.hs5"), b = writeProject("b.hs5");
    window().openFiles({a});
    ui::FileDialog::setNextAnswer(ui::qpath(b));
    sendCommand(window(), kLoadProject);
    ui::FileDialog::setNextAnswer(ui::qpath(folder() / "saved"));
    sendCommand(window(), kSaveProjectAs);
    const fs::path saved = folder() / "saved.hs5";
    EXPECT_EQ(shown(), (std::vector<std::string>{entry(1, saved), entry(2, b), entry(3, a)}));

    window().openFiles({a});
    EXPECT_EQ(shown(), (std::vector<std::string>{entry(1, a), entry(2, saved), entry(3, b)}));
    EXPECT_TRUE(menuAction(kRecentProjects)->isEnabled());
}

TEST_F(RecentProjectsMenu, KeepsTheLastEightAcrossRunsBesideTheSettingsFile) {
    std::vector<fs::path> projects;
    for (int i = 1; i <= 10; ++i) {
        projects.push_back(writeProject("p" + std::to_string(i) + ".hs5"));
        window().openFiles({projects.back()});
    }
    window().setMoviePath(1, QStringLiteral("/m/a.mp4"));
    sendCommand(window(), kSaveOptions);  // a settings file of its own lines only
    openWindow();
    const std::vector<std::string> entries = shown();
    ASSERT_EQ(entries.size(), 8u);
    EXPECT_EQ(entries.front(), entry(1, projects[9]));
    EXPECT_EQ(entries.back(), entry(8, projects[2]));
    const auto list = platform::readFile(folder() / "publisher-recent.txt");
    ASSERT_TRUE(list.ok());
    EXPECT_NE(list.value().find(projects[9].string() + "\n"), std::string::npos);
    const auto settings = platform::readFile(settingsPath());
    ASSERT_TRUE(settings.ok());
    EXPECT_EQ(settings.value().find(projects[9].string()), std::string::npos) << "not in the settings file";
}

TEST_F(RecentProjectsMenu, AMissingProjectIsGreyedAndAnEntryOpensItsProject) {
    const fs::path kept = writeProject("kept.hs5"), gone = writeProject("gone.hs5");
    window().openFiles({kept});
    window().openFiles({gone});
    fs::remove(gone);
    EXPECT_EQ(shown(), (std::vector<std::string>{entry(1, gone) + " (grey)", entry(2, kept)}));

    window().openFiles({writeProject("other.hs5")});
    ASSERT_EQ(title(), QStringLiteral("other.hs5"));
    shown();
    menuAction(recentProject(3))->trigger();
    EXPECT_EQ(title(), QStringLiteral("kept.hs5"));
    EXPECT_EQ(shown().front(), entry(1, kept));
    EXPECT_TRUE(messages().empty());

    menuAction(kClearRecentProjects)->trigger();
    EXPECT_TRUE(shown().empty());
}

TEST_F(RecentProjectsMenu, AnAmpersandInAPathIsShownAsOne) {
    const fs::path project = writeProject("Tom & Ana.hs5");
    window().openFiles({project});
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().front(), "&1 " + (folder() / "Tom && Ana.hs5").string());
}

}  // namespace
}  // namespace tessaly::gui_test
