// Publish Web Movie from the window: the same tree as `tessaly publish`, every
// dialog on top when it is up, a progress with Cancel during a large copy, and
// a window that takes no commands until the publish has ended.

#include <fcntl.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "../core/publish/FolderSnapshot.h"
#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "app/ProgressWindow.h"
#include "app/SettingsBinding.h"
#include "core/platform/Files.h"
#include "ui/FileDialog.h"
#include "ui/MessageLooks.h"
#include "ui/QtPrompts.h"
#include "ui/TickSound.h"

namespace tessaly::gui_test {
namespace {

namespace fs = std::filesystem;
using namespace app::ids;

std::map<std::string, std::string> treeOf(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = platform::readFile(entry.path()).value();
        }
    }
    return files;
}

TEST_F(WindowTest, PublishFromTheWindowWritesTheSameTreeAsTheCommand) {
    const fs::path demo = fs::path(TESSALY_EXAMPLES) / "demo.hs5";
    if (!fs::exists(demo)) GTEST_SKIP() << "no demo project";

    ui::FileDialog::setNextAnswer(QString::fromStdString(demo.string()));
    sendCommand(window(), kLoadProject);
    ASSERT_TRUE(messages().empty());
    ASSERT_FALSE(window().moviePath(1).isEmpty());

    const fs::path windowTree = folder() / "window";
    const fs::path cliTree = folder() / "cli";
    fs::create_directories(windowTree);
    fs::create_directories(cliTree);

    const int ticks = window().tick().playCount();
    ui::FileDialog::setNextAnswer(QString::fromStdString((windowTree / "tour").string()));
    commandToEnd(kPublish);
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
    EXPECT_EQ(window().findChild<app::ProgressWindow*>(), nullptr) << "no progress once the publish is over";
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
    commandToEnd(kPublish);
    EXPECT_FALSE(ui::FileDialog::lastRequest().has_value());
    const std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).caption, "Warning");

    window().setMoviePath(1, QString::fromStdString((folder() / "missing.mp4").string()));
    commandToEnd(kPublish);
    const std::vector<Message> missing = messages();
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].text,
              "Movie file does not found\n" + (folder() / "missing.mp4").string() + ": no such file");
}

// A dialog that lets an existing folder through: nothing is published beside it.
TEST_F(WindowTest, PublishRefusesAnExistingFolderChosenAsThePage) {
    const fs::path movie = folder() / "tour.mp4";
    ASSERT_TRUE(platform::writeFileAtomic(movie, "mp4 movie").ok());
    fs::create_directories(folder() / "site");
    window().setMoviePath(1, QString::fromStdString(movie.string()));
    ui::FileDialog::setNextAnswer(QString::fromStdString((folder() / "site").string()));
    commandToEnd(kPublish);
    const std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.starts_with((folder() / "site").string() + " is a folder")) << shown[0].text;
    EXPECT_NE(shown[0].text.find((folder() / "site" / "index.html").string()), std::string::npos);
    EXPECT_FALSE(fs::exists(folder() / "site.html"));
    EXPECT_TRUE(fs::is_empty(folder() / "site"));
}

// Waiting at each scripted answer past the time an early-built progress
// dialog would show itself: the answer's dialog is never covered.
TEST_F(WindowTest, NoDialogOfAPublishIsEverCoveredByAnotherWindow) {
    const fs::path movie = folder() / "tour.mp4";
    ASSERT_TRUE(platform::writeFileAtomic(movie, std::string(100000, 'm')).ok());
    std::vector<QString> covering;
    ui::QtPrompts::setOnAnswer([this, &covering] {
        QTest::qWait(4200);
        const QWidget* modal = QApplication::activeModalWidget();
        const auto* progress = window().findChild<app::ProgressWindow*>();
        if (modal == nullptr && progress != nullptr && progress->isVisible()) modal = progress;
        covering.push_back(modal == nullptr ? QString()
                                            : QString::fromLatin1(modal->metaObject()->className()));
    });

    window().setMoviePath(1, {});
    commandToEnd(kPublish);  // the "no movie" warning

    window().setMoviePath(1, QString::fromStdString(movie.string()));
    control<QCheckBox>(kCustomSize)->setChecked(true);
    control<QLineEdit>(kCustomWidth)->setText(QStringLiteral("100"));
    ui::FileDialog::setNextAnswer(QString::fromStdString((folder() / "site" / "index.html").string()));
    // The page dialog, the custom size notice, the question about the movie
    // (no real one), the outcome.
    commandToEnd(kPublish);
    ui::QtPrompts::setOnAnswer(nullptr);

    const std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown.back().text, "Publishing succeeded");
    EXPECT_EQ(covering, std::vector<QString>(5)) << "a window was over the dialog";
}

TEST_F(WindowTest, AfterPublishingThePageOrItsFolderOpensFromTheMessage) {
    const fs::path movie = writeFile("tour.mp4", std::string(1000, 'm'));
    window().setMoviePath(1, QString::fromStdString(movie.string()));
    const fs::path page = folder() / "site" / "index.html";
    const struct {
        std::optional<std::size_t> action;  // none: OK
        bool opens;
        fs::path opened;
    } cases[] = {{0, true, page}, {1, true, page.parent_path()}, {std::nullopt, true, {}}, {0, false, page}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opened.string() + (c.opens ? "" : " (nothing opens)"));
        launcher_.opened.clear();
        launcher_.browserStarts = c.opens;
        ui::QtPrompts::setNextAnswer(true);  // publish the movie (no real one) all the same
        ui::QtPrompts::setNextAction(c.action);
        ui::FileDialog::setNextAnswer(QString::fromStdString(page.string()));
        commandToEnd(kPublish);
        const std::vector<Message> shown = messages();
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown[1].text, "Publishing succeeded");
        if (c.opened.empty()) {
            EXPECT_TRUE(launcher_.opened.empty());
            continue;
        }
        ASSERT_EQ(launcher_.opened.size(), 1u);
        EXPECT_EQ(launcher_.opened[0], QUrl::fromLocalFile(QString::fromStdString(c.opened.string())));
        EXPECT_EQ(shown.size(), c.opens ? 2u : 3u);
        if (!c.opens)
            EXPECT_NE(shown.back().text.find(c.opened.string()), std::string::npos)
                << "says what did not open";
    }
}

// Movie tools whose reads, while held, wait until the test lets them go: a
// large movie on a slow disk.
class HeldReads : public movies::MovieTools {
public:
    void hold() {
        const std::lock_guard lock(mutex_);
        held_ = true;
    }
    void release() {
        {
            const std::lock_guard lock(mutex_);
            held_ = false;
        }
        changed_.notify_all();
    }
    bool reading() {
        const std::lock_guard lock(mutex_);
        return reading_;
    }
    int done() {
        const std::lock_guard lock(mutex_);
        return done_;
    }
    movies::MovieInfo inspect(const fs::path&, const std::atomic<bool>* stop) override {
        std::unique_lock lock(mutex_);
        reading_ = held_;
        // A stop is a flag, not a notice: looked at now and then.
        while (held_ && (stop == nullptr || !stop->load()))
            changed_.wait_for(lock, std::chrono::milliseconds(20));
        reading_ = false;
        ++done_;
        movies::MovieInfo info;
        info.error = "not a movie";
        return info;
    }
    Result<void> moveIndexToFront(const fs::path&, int, const fs::path&, const movies::ByteProgress&,
                                  const std::atomic<bool>*) override {
        return success();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = false;
    bool reading_ = false;
    int done_ = 0;
};

TEST_F(WindowTest, LongWorkShowsItsProgressBeforeReadingTheMovie) {
    HeldReads reads;
    openWindow(app::MediaTools{reads, encoder_});
    const fs::path movie = writeFile("tour.mp4", "not a movie");
    window().setMoviePath(1, QString::fromStdString(movie.string()));
    ASSERT_TRUE(waitFor([&] { return reads.done() > 0; }, 5000)) << "the row's own read";
    for (const int command : {kPublish, kMakeWebVersions}) {
        SCOPED_TRACE(command);
        if (command == kPublish) {
            ui::FileDialog::setNextAnswer(
                QString::fromStdString((folder() / "site" / "index.html").string()));
            ui::QtPrompts::setNextAnswer(false);  // the question about the movie: go no further
        }
        bool shownWhileReading = false;
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!reads.reading()) return;
            const auto* progress = window().findChild<app::ProgressWindow*>();
            shownWhileReading = progress != nullptr && progress->isVisible();
            reads.release();
            watch.stop();
        });
        reads.hold();
        watch.start();
        commandToEnd(command);
        EXPECT_TRUE(shownWhileReading);
        messages();
    }
}

TEST_F(WindowTest, KeysTypedBeforeTheProgressShowsNeverCancelIt) {
    window().show();
    int cancels = 0;
    app::ProgressWindow progress(&window(), QStringLiteral("Publishing"), QString(),
                                 [&cancels] { ++cancels; });
    // Typed while the window had the keys; they arrive once the progress shows.
    for (QWidget* target :
         {static_cast<QWidget*>(&progress), static_cast<QWidget*>(progress.cancelButton())}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
            QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
            QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
        }
    }
    progress.showNow();
    QCoreApplication::processEvents();
    EXPECT_EQ(cancels, 0);
    EXPECT_TRUE(progress.isVisible());
    // Once it has been seen, Return still does not stop the work; Esc does.
    ASSERT_TRUE(waitFor([&] { return progress.takesKeys(); }, 5000));
    QTest::keyClick(progress.cancelButton(), Qt::Key_Return);
    EXPECT_EQ(cancels, 0);
    QTest::keyClick(&progress, Qt::Key_Escape);
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(progress.isVisible());
}

// Publishing a large movie: a sparse file costs no disk, and its copy takes
// long enough to be seen and stopped.
class LargePublish : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        big = folder() / "big.mp4";
        const int fd = ::open(big.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{4} << 30), 0);
        ::close(fd);
        ASSERT_TRUE(platform::writeFileAtomic(folder() / "small.mp4", "small movie").ok());
        window().show();
    }

    // Publishes `movie` into `site`, running `action` inside the publish as
    // soon as the progress shows the copy. Returns the milliseconds from the
    // end of `action` to the end of the command.
    qint64 publish(const fs::path& movie, const fs::path& site,
                   const std::function<void(app::ProgressWindow&)>& action = {}) {
        window().setMoviePath(1, QString::fromStdString(movie.string()));
        ui::FileDialog::setNextAnswer(QString::fromStdString((site / "index.html").string()));
        QElapsedTimer sinceAction;
        QTimer watch;
        watch.setInterval(10);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* dialog = window().findChild<app::ProgressWindow*>();
            // From the reading of the movies on; acts once the copy shows.
            if (dialog == nullptr || !dialog->isVisible() ||
                !dialog->text().contains(QString::fromStdString(movie.filename().string())))
                return;
            watch.stop();
            seenDialog = true;
            title = dialog->windowTitle();
            label = dialog->text();
            if (action) action(*dialog);
            sinceAction.start();
        });
        if (action) watch.start();
        commandToEnd(kPublish);
        return sinceAction.isValid() ? sinceAction.elapsed() : -1;
    }

    fs::path big;
    bool seenDialog = false;
    QString title, label;
};

TEST_F(LargePublish, CancelStopsWithinASecondAndLeavesTheFolderAsItWas) {
    const struct {
        const char* how;
        bool earlierTree;
        std::function<void(app::ProgressWindow&)> cancel;
    } cases[] = {
        {"Cancel button", true, [](app::ProgressWindow& dialog) { dialog.cancelButton()->click(); }},
        {"Esc", false,
         [](app::ProgressWindow& dialog) {
             // As on a desktop, the dialog that just showed is the active window.
             dialog.activateWindow();
             EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog, 1000));
             EXPECT_TRUE(waitFor([&] { return dialog.takesKeys(); }, 1000));
             QTest::keyClick(&dialog, Qt::Key_Escape);
         }},
        {"closing it", false, [](app::ProgressWindow& dialog) { dialog.close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        const fs::path site = folder() / (std::string("site-") + c.how);
        if (c.earlierTree) {
            publish(folder() / "small.mp4", site);
            ASSERT_EQ(messages().back().text, "Publishing succeeded");
        }
        const auto before = test_support::snapshot(site);
        const int ticks = window().tick().playCount();
        seenDialog = false;

        const qint64 stopping = publish(big, site, c.cancel);
        ASSERT_TRUE(seenDialog) << "no progress during the copy";
        EXPECT_EQ(title, QStringLiteral("Publishing"));
        EXPECT_TRUE(label.contains(QStringLiteral("big.mp4"))) << label.toStdString();
        EXPECT_LT(stopping, 1000);
        // The question about the movie (sparse zeros, no real one), then the outcome.
        const std::vector<Message> shown = messages();
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).caption, "Movies for the web");
        EXPECT_EQ(shown[1].text, "Publishing cancelled");
        EXPECT_EQ(window().tick().playCount(), ticks + 1) << "the command's tick only";
        EXPECT_EQ(test_support::snapshot(site), before);
        EXPECT_EQ(fs::exists(site), c.earlierTree);
        EXPECT_FALSE(window().publishing());
        EXPECT_TRUE(control(kPublish)->isEnabled()) << "the window's commands are back";
    }
}

TEST_F(LargePublish, CommandsAreRefusedWhilePublishingAndClosingAsksFirst) {
    const fs::path site = folder() / "site";
    publish(folder() / "small.mp4", site);
    messages();
    const auto before = test_support::snapshot(site);

    bool closedEarly = true;
    publish(big, site, [&](app::ProgressWindow&) {
        EXPECT_TRUE(window().publishing());
        const auto requests = ui::FileDialog::lastRequest();  // the page dialog's
        EXPECT_FALSE(control(kPublish)->isEnabled()) << "the window's commands are off";
        menuAction(kOptionsByDefault)->trigger();
        control<QAbstractButton>(kLoadMovie1)->click();
        menuAction(kExit)->trigger();
        EXPECT_EQ(window().moviePath(1).toStdString(), big.string()) << "Options by default ran";
        EXPECT_EQ(ui::FileDialog::lastRequest(), requests) << "a movie dialog opened";
        ui::QtPrompts::setNextAnswer(false);  // keep publishing
        window().close();
        closedEarly = !window().isVisible();
        ui::QtPrompts::setNextAnswer(true);  // stop it and close
        window().close();
    });
    EXPECT_FALSE(closedEarly);
    // After the question about the movie (sparse zeros, no real one):
    const std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).caption, "Movies for the web");
    EXPECT_EQ(shown[1].text, "Publishing is not finished.\nCancel it and close the program?");
    EXPECT_EQ(shown[2], shown[1]);
    EXPECT_EQ(shown[3].text, "Publishing cancelled");
    // The movies loaded for the test are unsaved work: asked about (and discarded) before closing.
    EXPECT_EQ(shown[4].text, "Save the changes to the project?");
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(test_support::snapshot(site), before);
}

}  // namespace
}  // namespace tessaly::gui_test
