// A second `publisher FILE` hands its file to the window already open and
// ends; that window comes forward with the file opened.

#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>

#include "WindowHarness.h"
#include "app/FileHandover.h"
#include "core/model/ProjectFile.h"
#include "core/model/RecentProjects.h"
#include "core/platform/Files.h"
#include "ui/SingleInstance.h"
#include "ui/Strings.h"

namespace tessaly::gui_test {
namespace {

namespace fs = std::filesystem;

TEST(HandoverMessage, CarriesAbsolutePathsWhole) {
    const std::vector<fs::path> files = {"/home/ana/My tour.hs5", "/m/line\nbreak.mp4", "/m/é.webm"};
    EXPECT_EQ(app::filesOfMessage(app::openFilesMessage(files)), files);
    EXPECT_EQ(app::filesOfMessage(app::openFilesMessage({})), std::vector<fs::path>{});
    EXPECT_FALSE(app::filesOfMessage(QByteArrayLiteral("raise\n")));
    EXPECT_FALSE(app::filesOfMessage(QByteArrayLiteral("open\nrelative.hs5\0")));
    EXPECT_FALSE(app::filesOfMessage(QByteArrayLiteral("open\n/cut/short.hs5"))) << "no NUL at its end";
}

class Handover : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The channel lives in the test's folder: a publisher the user runs is left alone.
        env_.insert(QStringLiteral("TMPDIR"), dir_.path());
        // So do the window's size and the recovery files: unsaved work the user
        // left would be offered at start and hold the window in its question.
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path() + QStringLiteral("/config"));
        env_.insert(QStringLiteral("XDG_DATA_HOME"), dir_.path() + QStringLiteral("/data"));
        channel_ = QDir(dir_.path()).filePath(QStringLiteral("tessaly-publisher-%1").arg(::getuid()));
    }

    bool start(QProcess& process, const QStringList& arguments,
               const QString& program = QStringLiteral(TESSALY_PUBLISHER)) {
        process.setProcessEnvironment(env_);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, arguments);
        return process.waitForStarted(5000);
    }

    QProcessEnvironment env_;
    QString channel_;
};

TEST_F(Handover, SecondStartHandsItsMovieToTheOpenWindowAndEnds) {
    const auto receiver = app::receiveFiles(channel_, window());
    ASSERT_TRUE(receiver && receiver->listening());
    window().showMinimized();
    ASSERT_TRUE(waitFor([&] { return window().isMinimized(); }, 5000));
    const fs::path movie = writeFile("harbour.webm");

    QProcess second;
    second.setWorkingDirectory(dir_.path());
    ASSERT_TRUE(start(second, {QStringLiteral("harbour.webm")}));
    // The window's loop runs while the second start waits for it to take the file.
    EXPECT_TRUE(waitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(waitFor([&] { return window().moviePath(1) == ui::qpath(movie); }, 5000))
        << "the relative name counts from the second start's folder";
    EXPECT_FALSE(window().isMinimized());
    EXPECT_TRUE(window().isVisible());
}

TEST_F(Handover, AWindowOpenedLaterLeavesTheFilesToTheFirst) {
    const auto first = app::receiveFiles(channel_, window());
    ASSERT_TRUE(first);
    app::WindowSetup setup;
    setup.settingsPath = folder() / "later.ini";
    app::MainWindow second(setup, launcher_, tools());
    EXPECT_FALSE(app::receiveFiles(channel_, second));

    const fs::path movie = writeFile("first.mp4");
    ASSERT_TRUE(app::handFilesOver(channel_, {movie}));
    EXPECT_TRUE(waitFor([&] { return window().moviePath(1) == ui::qpath(movie); }, 5000));
    EXPECT_TRUE(second.moviePath(1).isEmpty());
}

TEST_F(Handover, RefusedFilesAreReportedByTheOpenWindow) {
    const auto receiver = app::receiveFiles(channel_, window());
    ASSERT_TRUE(app::handFilesOver(channel_, {writeFile("a.mp4"), writeFile("b.mp4")}));
    std::vector<Message> shown;
    ASSERT_TRUE(waitFor(
        [&] {
            shown = messages();
            return !shown.empty();
        },
        5000));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find("Only one file"), std::string::npos) << shown[0].text;
    EXPECT_TRUE(window().moviePath(1).isEmpty());
}

// Both starts real programs: the second ends at once, the first keeps running
// and opens the project, which then heads its Recent Projects list.
TEST_F(Handover, RealSecondStartEndsAndTheFirstOpensTheProject) {
    // A copy of the program keeps its settings and list in the test's folder.
    const fs::path bin = folder() / "bin";
    fs::create_directories(bin);
    fs::copy_file(TESSALY_PUBLISHER, bin / "publisher");
    const fs::path project = folder() / "tour.hs5";
    ASSERT_TRUE(model::saveProject(project, {}, {}, {}).ok());

    QProcess first;
    ASSERT_TRUE(start(first, {}, ui::qpath(bin / "publisher")));
    ASSERT_TRUE(waitFor([&] { return ui::sendToRunning(channel_, {}); }, 20000))
        << "the first never listened";

    QProcess second;
    ASSERT_TRUE(start(second, {ui::qpath(project)}));
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(waitFor(
        [&] {
            return model::loadRecentProjects(bin / "publisher-recent.txt") == model::RecentProjects{project};
        },
        10000))
        << "the first window never opened the project";
    EXPECT_EQ(first.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    first.waitForFinished(5000);
}

}  // namespace
}  // namespace tessaly::gui_test
