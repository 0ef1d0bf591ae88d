// `publisher FILE`: the arguments a start takes, and the files they name opened
// by the window as Load Project and Load Web Movie1 do, or refused.

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>

#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "app/JobRunner.h"
#include "app/SettingsBinding.h"
#include "app/StartArguments.h"
#include "core/model/ProjectFile.h"
#include "core/platform/Files.h"
#include "ui/MessageLooks.h"
#include "ui/Strings.h"

namespace tessaly::gui_test {
namespace {

namespace fs = std::filesystem;
using app::parseStartArguments;
using app::StartArguments;

QStringList args(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* a : list) result << QString::fromUtf8(a);
    return result;
}

TEST(StartArgumentsTest, FilesBecomeAbsolutePathsAndOptionsAreKnown) {
    const fs::path cwd = "/home/ana/tours";
    EXPECT_EQ(parseStartArguments({}, cwd).action, StartArguments::Action::Run);
    EXPECT_TRUE(parseStartArguments({}, cwd).files.empty());

    const StartArguments relative = parseStartArguments(args({"../trip.hs5"}), cwd);
    EXPECT_EQ(relative.action, StartArguments::Action::Run);
    EXPECT_EQ(relative.files, std::vector<fs::path>{"/home/ana/trip.hs5"});

    const StartArguments address = parseStartArguments(args({"file:///home/ana/My%20tour.mp4"}), cwd);
    EXPECT_EQ(address.files, std::vector<fs::path>{"/home/ana/My tour.mp4"});

    const StartArguments dash = parseStartArguments(args({"--", "-odd.hs5", "/b.mp4"}), cwd);
    EXPECT_EQ(dash.action, StartArguments::Action::Run);
    EXPECT_EQ(dash.files, (std::vector<fs::path>{"/home/ana/tours/-odd.hs5", "/b.mp4"}));

    EXPECT_EQ(parseStartArguments(args({"--help"}), cwd).action, StartArguments::Action::Help);
    EXPECT_EQ(parseStartArguments(args({"a.hs5", "-h"}), cwd).action, StartArguments::Action::Help);
    const StartArguments wrong = parseStartArguments(args({"--open", "a.hs5"}), cwd);
    EXPECT_EQ(wrong.action, StartArguments::Action::Wrong);
    EXPECT_EQ(wrong.wrong, "--open");
}

// The real program: help and a wrong option end it before any window.
TEST(StartArgumentsTest, ProgramPrintsHelpAndRefusesUnknownOptions) {
    QProcess help;
    help.start(QStringLiteral(TESSALY_PUBLISHER), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(20000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().startsWith("Usage: publisher [FILE]"));

    QProcess wrong;
    wrong.start(QStringLiteral(TESSALY_PUBLISHER), {QStringLiteral("--bogus")});
    ASSERT_TRUE(wrong.waitForFinished(20000));
    EXPECT_EQ(wrong.exitCode(), 2);
    EXPECT_TRUE(wrong.readAllStandardError().contains("publisher: unknown option --bogus"));
}

class OpenFilesTest : public WindowTest {
protected:
    fs::path writeProject(const std::string& name, const std::string& movie) {
        model::ViewerSettings s;
        s.htmlTitle = "From " + name;
        s.loadDir = s.saveDir = "/elsewhere";
        hotspots::HotSpotList spots;
        spots.at(2) = hotspots::HotSpot::make("two.html", "Two", 30, 4.5, 5, 0);
        const fs::path file = folder() / "projects" / name;
        fs::create_directories(file.parent_path());
        EXPECT_TRUE(model::saveProject(file, s, {movie, "", ""}, spots).ok());
        return file;
    }
    void expectUnchanged() {
        EXPECT_EQ(window().moviePath(1), QStringLiteral("/m/keep.mp4"));
        EXPECT_EQ(window().hotSpots().at(2).trimmedLink(), "");
        EXPECT_EQ(control<QLineEdit>(app::ids::kHtmlTitle)->text(), QString());
        EXPECT_EQ(window().settings().loadDir(), folder().string());
    }
};

TEST_F(OpenFilesTest, AProjectOpensAsLoadProjectDoes) {
    const fs::path project = writeProject("harbour.hs5", "harbour.mp4");
    window().openFiles({project});
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(control<QLineEdit>(app::ids::kHtmlTitle)->text(), QStringLiteral("From harbour.hs5"));
    // The movie beside the project, as Load Project resolves it.
    EXPECT_EQ(window().moviePath(1), ui::qpath(project.parent_path() / "harbour.mp4"));
    EXPECT_EQ(window().hotSpots().at(2).trimmedLink(), "two.html");
    EXPECT_EQ(window().editor().currentSlot(), 0);
}

TEST_F(OpenFilesTest, AMovieLoadsIntoSlotOneAndTheNextDialogStartsBesideIt) {
    window().setMoviePath(2, QStringLiteral("/m/second.webm"));
    fs::create_directories(folder() / "movies");
    const fs::path movie = writeFile("movies/Harbour Tour.MP4", "not really a movie");
    window().openFiles({movie});
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(window().moviePath(1), ui::qpath(movie));
    EXPECT_EQ(window().moviePath(2), QStringLiteral("/m/second.webm"));
    EXPECT_EQ(window().settings().loadDir(), (folder() / "movies").string());
}

TEST_F(OpenFilesTest, SeveralFilesAnotherTypeOrAMissingFileAreRefusedAndChangeNothing) {
    window().setMoviePath(1, QStringLiteral("/m/keep.mp4"));
    const fs::path project = writeProject("a.hs5", "a.mp4");
    const fs::path text = writeFile("notes.txt", "just words");
    const std::vector<std::vector<fs::path>> refused = {
        {project, text}, {text}, {folder() / "gone.hs5"}, {folder() / "gone.mp4"}};
    for (const auto& files : refused) {
        SCOPED_TRACE(files.front().string());
        window().openFiles(files);
        const std::vector<Message> shown = messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).icon, QMessageBox::Warning);
        EXPECT_NE(shown[0].text.find(files.back().string()), std::string::npos) << shown[0].text;
        expectUnchanged();
    }
}

TEST_F(OpenFilesTest, FilesHandedOverWhileADialogIsOpenWaitForItToClose) {
    const fs::path movie = writeFile("late.webm", "x");
    QDialog dialog(&window());
    bool waited = false;
    QTimer::singleShot(0, &dialog, [&] {
        window().openFiles({movie});
        waited = window().moviePath(1).isEmpty();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(waited) << "opened under the dialog";
    EXPECT_TRUE(waitFor([&] { return window().moviePath(1) == ui::qpath(movie); }, 5000));
}

TEST_F(OpenFilesTest, FilesHandedOverDuringAJobOpenInTurnAsItEnds) {
    const fs::path project = writeProject("harbour.hs5", "harbour.mp4");
    const fs::path movie = writeFile("late.webm", "x");
    window().jobs().begin({QStringLiteral("Working"), QStringLiteral("Reading"), {}});
    window().openFiles({project});
    window().openFiles({movie});
    QCoreApplication::processEvents();
    EXPECT_TRUE(window().moviePath(1).isEmpty()) << "opened during the job";
    window().jobs().end();
    // The project first, then the movie in its slot 1.
    EXPECT_EQ(control<QLineEdit>(app::ids::kHtmlTitle)->text(), QStringLiteral("From harbour.hs5"));
    EXPECT_EQ(window().moviePath(1), ui::qpath(movie));
}

}  // namespace
}  // namespace tessaly::gui_test
