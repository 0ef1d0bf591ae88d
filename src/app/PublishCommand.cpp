#include "app/PublishCommand.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QUrl>
#include <functional>
#include <memory>
#include <variant>

#include "app/JobRunner.h"
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
#include "ui/MessageLooks.h"
#include "ui/Strings.h"
#include "ui/TickSound.h"

namespace tessaly::app {
namespace {

namespace fs = std::filesystem;

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

// The publish's questions in the window's dialogs, with the progress window
// out of their way.
class WindowTalk : public publish::PublishQuestions {
public:
    WindowTalk(Prompts& prompts, ProgressWindow& progress) : prompts_(prompts), progress_(progress) {}

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

private:
    Prompts& prompts_;
    ProgressWindow& progress_;
};

}  // namespace

// What a publish carries from one step to the next.
struct PublishCommand::Work {
    publish::PublishWork publish;
    model::ViewerSettings settings;
    Outcome then;
};

void PublishCommand::run(const model::MovieSlots& movies, const model::ViewerSettings& settings,
                         const hotspots::HotSpotList& hotSpots, const fs::path& project, SettingsBack done) {
    if (const Result<void> checked = publish::checkMainMovie(movies); checked.failed()) {
        prompts_.show(publish::publishMessage(checked.failure()));
        done(settings);
        return;
    }
    // The player lets go of the movie before it is copied; afterwards the
    // preview shows where it was, paused, ready to play.
    const double at = player_.position();
    player_.stop();
    const auto restore = [this, at, done = std::move(done)](const model::ViewerSettings& back) {
        player_.pause();
        player_.setPosition(at);
        done(back);
    };
    model::ViewerSettings chosen = settings;
    fs::path page;
    if (!choosePage(chosen, page)) {
        restore(chosen);
        return;
    }
    publishTo(page, movies, chosen, hotSpots, project, true,
              [this, page, restore](const publish::PublishResult& result, const model::ViewerSettings& back) {
                  const Message told = publish::publishMessage(result);
                  if (result.failed()) {
                      if (!told.text.empty()) prompts_.show(told);
                  } else {
                      tick_.play();
                      offerPage(told, page);
                  }
                  restore(back);
              });
}

bool PublishCommand::choosePage(model::ViewerSettings& settings, fs::path& page) {
    FileChoice choice;
    choice.mode = FileChoice::Mode::Save;
    choice.title = publish::messages::kPublishDialogTitle;
    choice.filter = publish::pageDialogFilter();
    choice.initialName = namePattern(publish::kPageExtension);
    choice.initialFolder = settings.saveDir;
    const auto chosen = prompts_.chooseFile(choice);
    if (!chosen) return false;
    if (window_) window_->repaint();
    if (publish::pageName(chosen->string()) == publish::PageName::Empty) return false;
    // A dialog that lets an existing folder through would otherwise publish beside it, as FOLDER.html.
    if (const auto folder = publish::pageNameIsFolder(chosen->string())) {
        prompts_.show(publish::pageIsFolderMessage(*folder));
        return false;
    }
    const Result<std::filesystem::path> pageFile = publish::pageFile(chosen->string());
    if (pageFile.failed()) {
        prompts_.show(publish::failureMessage({pageFile.failure()}));
        return false;
    }
    page = pageFile.value();
    settings.saveDir = page.parent_path().string();
    return true;
}

void PublishCommand::offerPage(const Message& succeeded, const fs::path& page) {
    const std::vector<std::string> actions{std::string(texts::kOpenPage), std::string(texts::kOpenFolder)};
    const std::optional<std::size_t> chosen = prompts_.showWithActions(succeeded, actions);
    if (!chosen) return;
    const fs::path target = *chosen == 0 ? page : page.parent_path();
    if (launcher_.openUrl(QUrl::fromLocalFile(ui::qpath(target)))) return;
    prompts_.show(
        Message{ui::utf8(ui::qs(texts::kNothingOpened).arg(ui::qpath(target))), Topic::PublishCopy});
}

void PublishCommand::publishTo(const fs::path& page, const model::MovieSlots& movies,
                               const model::ViewerSettings& settings, const hotspots::HotSpotList& hotSpots,
                               const fs::path& project, bool askAboutMovies, Outcome then) {
    if (runner_.running()) {
        then(refusal({}), settings);
        return;
    }
    running_ = true;
    runner_.begin({ui::captionOf(Topic::PublishCopy),
                   ui::qs(askAboutMovies ? texts::kReadingMovies : texts::kWritingPage),
                   texts::kStopPublishingQuestion});
    auto work = std::make_shared<Work>(Work{
        {movies, page, hotSpots, project, askAboutMovies, runner_.stopFlag(), &media::moduleCaptionTools()},
        settings,
        std::move(then)});
    if (!askAboutMovies) {
        checkAndPublish(work);
        return;
    }
    // Read on the worker while the progress shows; the check then finds them read.
    runner_.run([this, work] { readMovies(work->publish.movies); }, [this, work] { checkAndPublish(work); });
}

void PublishCommand::readMovies(const model::MovieSlots& movies) {
    const std::atomic<bool>* stop = runner_.stopFlag();
    for (std::size_t i = 0; i < movies.size() && !stop->load(); ++i) {
        const std::string path = movies.path(i);
        if (!path.empty()) static_cast<void>(movieTools_.inspect(path, stop));
    }
}

void PublishCommand::checkAndPublish(const std::shared_ptr<Work>& work) {
    ProgressWindow& window = runner_.progress();
    WindowTalk talk(prompts_, window);
    Result<publish::PublishJob> prepared =
        publish::preparePublish(work->publish, work->settings, movieTools_, talk);
    if (prepared.failed()) {
        conclude(work, prepared.failure());
        return;
    }
    window.setText(ui::qs(texts::kWritingPage));
    // A stop asked for while the movies were read ends the publish before it writes.
    publish::PublishControl control;
    control.stop = runner_.stopFlag();
    control.movieTools = &movieTools_;
    control.captionTools = &media::moduleCaptionTools();
    auto copy = std::make_shared<CopyShown>(window);
    control.progress = [this, copy](const fs::path& movie, std::uint64_t done, std::uint64_t total) {
        runner_.report([copy, movie, done, total] { copy->update(movie, done, total); });
    };
    // Until the publish has run: a worker that never ran it was stopped.
    auto result = std::make_shared<publish::PublishResult>(cancellation());
    runner_.run([job = std::move(prepared).value(), control = std::move(control),
                 result] { *result = publish::publish(job, control); },
                [this, work, result] { conclude(work, *result); });
}

void PublishCommand::conclude(const std::shared_ptr<Work>& work, const publish::PublishResult& result) {
    running_ = false;
    runner_.end([&] { work->then(result, work->settings); });
}

}  // namespace tessaly::app
