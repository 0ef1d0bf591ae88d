#include "app/PublishCommand.h"

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

// The publish's questions in the window's dialogs, with the progress window
// out of their way.
class WindowTalk : public publish::PublishQuestions {
public:
    WindowTalk(Prompts& prompts, JobRunner& runner) : prompts_(prompts), runner_(runner) {}

    void tell(const Message& notice) override {
        runner_.progress().hide();
        prompts_.show(notice);
        runner_.progress().showNow();
    }
    bool goOnDespite(const std::vector<movies::MovieFinding>& findings,
                     const std::vector<publish::Mismatch>& mismatches) override {
        runner_.progress().hide();
        const bool goOn =
            prompts_.ask(publish::publishQuestion(findings, mismatches), movies::texts::kContinue);
        if (goOn) runner_.progress().showNow();
        return goOn;
    }

private:
    Prompts& prompts_;
    JobRunner& runner_;
};

}  // namespace

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
    auto talk = std::make_shared<WindowTalk>(prompts_, runner_);
    publish::startPublish(
        runner_, {movies, page, hotSpots, project, askAboutMovies, nullptr, &media::moduleCaptionTools()},
        settings, movieTools_, *talk,
        [this, talk, then = std::move(then)](const publish::PublishResult& result,
                                             const model::ViewerSettings& back) {
            running_ = false;
            runner_.end([&] { then(result, back); });
        });
}

}  // namespace tessaly::app
