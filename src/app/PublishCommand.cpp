#include "app/PublishCommand.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QUrl>
#include <functional>
#include <memory>
#include <mutex>

#include "app/BackgroundWork.h"
#include "app/Launcher.h"
#include "app/ProgressWindow.h"
#include "app/WindowTexts.h"
#include "core/Prompts.h"
#include "core/hotspots/PreviewPlayer.h"
#include "core/movies/MovieFindings.h"
#include "core/movies/MovieTexts.h"
#include "core/movies/TimeLeft.h"
#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/WorkSteps.h"
#include "core/text/Text.h"
#include "media/ModuleMovieTools.h"
#include "ui/Strings.h"
#include "ui/TickSound.h"

namespace tessaly::app {
namespace {

namespace fs = std::filesystem;

// How often the window looks at the worker: progress and the end.
constexpr int kPollMs = 50;

// What the worker last reported, read by the window.
struct Progress {
    std::mutex mutex;
    fs::path movie;
    std::uint64_t done = 0;
    std::uint64_t total = 0;
    bool copying = false;
};

// The movie copy's line in the progress window.
class CopyShown {
public:
    explicit CopyShown(ProgressWindow& window) : window_(window) { clock_.start(); }

    void update(const fs::path& movie, std::uint64_t done, std::uint64_t total) {
        if (movie != movie_) {
            movie_ = movie;
            clock_.restart();
        }
        const QString name = ui::qpath(movie.filename());
        const QLocale locale;
        window_.setText(done == 0 ? ui::qs(texts::kCopyWaiting).arg(name)
                                  : ui::qs(texts::kCopyProgress)
                                        .arg(name, locale.formattedDataSize(static_cast<qint64>(done)),
                                             locale.formattedDataSize(static_cast<qint64>(total)),
                                             ui::qs(movies::timeLeftText(
                                                 static_cast<double>(done), static_cast<double>(total),
                                                 static_cast<double>(clock_.elapsed()) / 1000.0,
                                                 movies::TimeLeftStyle::Words))));
        window_.setDone(total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total));
    }

private:
    ProgressWindow& window_;
    QElapsedTimer clock_;
    fs::path movie_;
};

// Still working, though the progress window's Cancel takes a click.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// The publish's talk in the window's dialogs, with the progress window out
// of their way; the publish runs on a worker.
class WindowTalk : public publish::PublishTalk {
public:
    WindowTalk(Prompts& prompts, ProgressWindow& progress,
               std::function<publish::PublishReport(const publish::PublishJob&)> run)
        : prompts_(prompts), progress_(progress), run_(std::move(run)) {}

    void tell(const Message& notice) override {
        progress_.hide();
        prompts_.show(notice);
        progress_.showNow();
    }
    bool goOnDespite(const std::vector<movies::MovieFinding>& findings,
                     const std::vector<publish::Mismatch>& mismatches) override {
        progress_.hide();
        const bool goOn =
            prompts_.ask(publish::publishQuestion(findings, mismatches), movies::texts::kContinue);
        if (goOn) progress_.showNow();
        return goOn;
    }
    publish::PublishReport run(const publish::PublishJob& job) override { return run_(job); }

private:
    Prompts& prompts_;
    ProgressWindow& progress_;
    std::function<publish::PublishReport(const publish::PublishJob&)> run_;
};

}  // namespace

void PublishCommand::run(const model::MovieSlots& movies, model::ViewerSettings& settings,
                         const hotspots::HotSpotList& hotSpots, const fs::path& project) {
    if (running_) return;
    if (const auto refusal = publish::checkMainMovie(movies)) {
        prompts_.show(*refusal);
        return;
    }
    // The player lets go of the movie before it is copied; afterwards the
    // preview shows where it was, paused, ready to play.
    const double at = player_.position();
    player_.stop();
    publishWithPlayerStopped(movies, settings, hotSpots, project);
    player_.pause();
    player_.setPosition(at);
}

void PublishCommand::publishWithPlayerStopped(const model::MovieSlots& movies,
                                              model::ViewerSettings& settings,
                                              const hotspots::HotSpotList& hotSpots,
                                              const fs::path& project) {
    FileChoice choice;
    choice.mode = FileChoice::Mode::Save;
    choice.title = publish::messages::kPublishDialogTitle;
    choice.filter = publish::pageDialogFilter();
    choice.initialName = namePattern(publish::kPageExtension);
    choice.initialFolder = settings.saveDir;
    const auto chosen = prompts_.chooseFile(choice);
    if (!chosen) return;
    if (window_) window_->repaint();
    if (publish::pageName(chosen->string()) == publish::PageName::Empty) return;
    // A dialog that lets an existing folder through would otherwise publish beside it, as FOLDER.html.
    if (const auto folder = publish::pageNameIsFolder(chosen->string())) {
        prompts_.show(publish::pageIsFolderMessage(*folder));
        return;
    }
    const platform::AbsolutePath pageFile = publish::pageFile(chosen->string());
    if (pageFile.error) {
        prompts_.show(publish::failureMessage({*pageFile.error}));
        return;
    }
    const fs::path& page = pageFile.path;
    settings.saveDir = page.parent_path().string();

    const publish::PublishReport report = publishTo(page, movies, settings, hotSpots, project, true);
    if (report.outcome != publish::PublishOutcome::Succeeded) {
        if (!report.message.text.empty()) prompts_.show(report.message);
        return;
    }
    tick_.play();
    offerPage(report.message, page);
}

void PublishCommand::offerPage(const Message& succeeded, const fs::path& page) {
    const std::vector<std::string> actions{std::string(texts::kOpenPage), std::string(texts::kOpenFolder)};
    const std::optional<std::size_t> chosen = prompts_.showWithActions(succeeded, actions);
    if (!chosen) return;
    const fs::path target = *chosen == 0 ? page : page.parent_path();
    if (launcher_.openUrl(QUrl::fromLocalFile(ui::qpath(target)))) return;
    prompts_.show(Message{ui::utf8(ui::qs(texts::kNothingOpened).arg(ui::qpath(target))),
                          std::string(texts::kCopyTitle), Icon::Warning});
}

publish::PublishReport PublishCommand::publishTo(const fs::path& page, const model::MovieSlots& movies,
                                                 model::ViewerSettings& settings,
                                                 const hotspots::HotSpotList& hotSpots,
                                                 const fs::path& project, bool askAboutMovies) {
    if (running_) return {publish::PublishOutcome::Refused, {}};
    running_ = true;
    stop_.store(false);
    ProgressWindow progress(window_, ui::qs(texts::kCopyTitle),
                            ui::qs(askAboutMovies ? texts::kReadingMovies : texts::kWritingPage),
                            [this] { cancel(); });
    const BusyPointer busy;
    progress.showNow();
    // Read on the worker while the window shows; the check below then finds them read.
    if (askAboutMovies) readMovies(movies);
    WindowTalk talk(prompts_, progress, [this, &progress](const publish::PublishJob& job) {
        return publishInBackground(job, progress);
    });
    const publish::PublishWork work{
        movies, page, hotSpots, project, askAboutMovies, &stop_, &media::moduleCaptionTools()};
    publish::PublishReport report = publish::publishWork(work, settings, movieTools_, talk);
    running_ = false;
    return report;
}

void PublishCommand::readMovies(const model::MovieSlots& movies) {
    runInBackground(
        window_,
        [&] {
            for (std::size_t i = 0; i < movies.size() && !stop_.load(); ++i) {
                const std::string path = movies.path(i);
                if (!path.empty()) static_cast<void>(movieTools_.inspect(path, &stop_));
            }
        },
        [] {}, kPollMs);
}

publish::PublishReport PublishCommand::publishInBackground(const publish::PublishJob& job,
                                                           ProgressWindow& window) {
    window.setText(ui::qs(texts::kWritingPage));
    Progress progress;
    publish::PublishReport report;

    // A stop asked for while the movies were read ends the publish before it writes.
    publish::PublishControl control;
    control.stop = &stop_;
    control.movieTools = &movieTools_;
    control.captionTools = &media::moduleCaptionTools();
    control.progress = [&progress](const fs::path& movie, std::uint64_t done, std::uint64_t total) {
        const std::lock_guard lock(progress.mutex);
        progress.movie = movie;
        progress.done = done;
        progress.total = total;
        progress.copying = true;
    };
    CopyShown copy(window);
    runInBackground(
        window_, [&] { report = publish::publish(job, control); },
        [&] {
            fs::path movie;
            std::uint64_t done = 0, total = 0;
            {
                const std::lock_guard lock(progress.mutex);
                if (!progress.copying) return;
                movie = progress.movie;
                done = progress.done;
                total = progress.total;
            }
            if (!stop_.load()) copy.update(movie, done, total);
        },
        kPollMs);
    return report;
}

}  // namespace tessaly::app
