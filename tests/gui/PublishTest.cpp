// Publish Web Movie from the window writes the same tree as `tessaly publish`
// does from the same project.

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>

#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "app/SettingsBinding.h"
#include "core/text/Files.h"
#include "ui/FileDialog.h"
#include "ui/TickSound.h"

namespace tessaly::gui_test {
namespace {

namespace fs = std::filesystem;
using namespace app::ids;

std::map<std::string, std::string> treeOf(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = text::readFile(entry.path()).bytes;
        }
    }
    return files;
}

TEST_F(WindowTest, PublishFromTheWindowWritesTheSameTreeAsTheCommand) {
    const fs::path demo = fs::path(TESSALY_EXAMPLES) / "demo.hs5";
    if (!fs::exists(demo)) GTEST_SKIP() << "no demo project";

    ui::FileDialog::setNextAnswer(QString::fromStdString(demo.string()));
    window().command(kLoadProject);
    ASSERT_TRUE(messages().empty());
    ASSERT_FALSE(window().moviePath(1).isEmpty());

    const fs::path windowTree = folder() / "window";
    const fs::path cliTree = folder() / "cli";
    fs::create_directories(windowTree);
    fs::create_directories(cliTree);

    const int ticks = window().tick().playCount();
    ui::FileDialog::setNextAnswer(QString::fromStdString((windowTree / "tour").string()));
    window().command(kPublish);
    const auto request = ui::FileDialog::lastRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->title, QStringLiteral("Publish Html web page"));
    EXPECT_EQ(request->initialName, QStringLiteral("*.html"));
    std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Publishing succeeded");
    EXPECT_EQ(window().tick().playCount(), ticks + 2) << "the command's tick and the success tick";
    EXPECT_EQ(window().settings().saveDir(), windowTree.string());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the busy pointer ends with the command";
    ASSERT_TRUE(fs::exists(windowTree / "tour.html"));

    const std::string command = std::string(TESSALY_CLI) + " publish '" + demo.string() + "' '" +
                                (cliTree / "tour.html").string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const auto fromWindow = treeOf(windowTree);
    const auto fromCli = treeOf(cliTree);
    EXPECT_GT(fromWindow.size(), 40u);
    ASSERT_EQ(fromWindow.size(), fromCli.size());
    for (const auto& [name, bytes] : fromCli) {
        const auto it = fromWindow.find(name);
        ASSERT_NE(it, fromWindow.end()) << name;
        EXPECT_TRUE(it->second == bytes) << name << " differs";
    }
}

TEST_F(WindowTest, PublishRefusesWithoutAMainMovieBeforeAnyDialog) {
    window().setMoviePath(1, QStringLiteral("   "));
    window().command(kPublish);
    EXPECT_FALSE(ui::FileDialog::lastRequest().has_value());
    const std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Warning");

    window().setMoviePath(1, QString::fromStdString((folder() / "missing.mp4").string()));
    window().command(kPublish);
    const std::vector<Message> missing = messages();
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].text, "Movie file does not found");
}

}  // namespace
}  // namespace tessaly::gui_test
