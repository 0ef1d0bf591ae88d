#include "app/PublishCommand.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QProgressDialog>
#include <functional>
#include <memory>
#include <mutex>

#include "app/BackgroundWork.h"
#include "app/WindowTexts.h"
#include "core/Prompts.h"
#include "core/hotspots/PreviewPlayer.h"
#include "core/movies/MovieFindings.h"
#include "core/movies/MovieTexts.h"
#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/WorkSteps.h"
#include "media/ModuleMovieTools.h"
#include "ui/Strings.h"
#include "ui/TickSound.h"

namespace tessaly::app {
namespace {

namespace fs = std::filesystem;

// How often the window looks at the worker: progress and the end.
constexpr int kPollMs = 50;
// A copy done sooner than this shows no dialog at all.
constexpr int kProgressAfterMs = 500;
constexpr int kProgressSteps = 1000;

// What the worker last reported, read by the window.
struct Progress {
    std::mutex mutex;
    fs::path movie;
    std::uint64_t done = 0;
    std::uint64_t total = 0;
    bool copying = false;
};

QString timeLeft(std::uint64_t done, std::uint64_t total, qint64 elapsedMs) {
    if (done == 0 || elapsedMs <= 0) return QStringLiteral("...");
    const double seconds = static_cast<double>(total - done) / static_cast<double>(done) *
                           static_cast<double>(elapsedMs) / 1000.0;
    const auto whole = static_cast<long long>(seconds + 0.5);
    if (whole < 60) return QStringLiteral("%1 s").arg(whole);
    return QStringLiteral("%1 min %2 s").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

// The movie copy's progress. Esc, closing it and its Cancel button all cancel.
class CopyDialog {
public:
    CopyDialog(QWidget* owner, const std::function<void()>& onCancel)
        : dialog_(std::make_unique<QProgressDialog>(owner)) {
        dialog_->setWindowTitle(ui::qs(texts::kCopyTitle));
        // The dialog's own button: a second one would also bring a second Esc
        // shortcut, and two ambiguous shortcuts leave Esc doing nothing.
        dialog_->setCancelButtonText(ui::qs(texts::kCopyCancel));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setRange(0, kProgressSteps);
        dialog_->setMinimumDuration(kProgressAfterMs);
        dialog_->setMinimumWidth(360);
        QObject::connect(dialog_.get(), &QProgressDialog::canceled, dialog_.get(), onCancel);
        QObject::connect(dialog_.get(), &QDialog::rejected, dialog_.get(), onCancel);
        dialog_->setValue(0);
        clock_.start();
        // Still working, but the Cancel button takes a click.
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    }
    ~CopyDialog() { QGuiApplication::restoreOverrideCursor(); }
    CopyDialog(const CopyDialog&) = delete;
    CopyDialog& operator=(const CopyDialog&) = delete;

    void update(const fs::path& movie, std::uint64_t done, std::uint64_t total) {
        if (cancelling_) return;
        if (movie != movie_) {
            movie_ = movie;
            clock_.restart();
        }
        const QString name = ui::qpath(movie.filename());
        const QLocale locale;
        dialog_->setLabelText(done == 0 ? ui::qs(texts::kCopyWaiting).arg(name)
                                        : ui::qs(texts::kCopyProgress)
                                              .arg(name, locale.formattedDataSize(static_cast<qint64>(done)),
                                                   locale.formattedDataSize(static_cast<qint64>(total)),
                                                   timeLeft(done, total, clock_.elapsed())));
        const int value = total == 0 ? kProgressSteps : static_cast<int>(done * kProgressSteps / total);
        // Never the minimum again: that would restart the dialog's own clock.
        dialog_->setValue(std::max(value, 1));
    }

    // The copy stops within a second; nothing more to show meanwhile.
    void cancelling() {
        cancelling_ = true;
        dialog_->hide();
    }

private:
    std::unique_ptr<QProgressDialog> dialog_;
    QElapsedTimer clock_;
    fs::path movie_;
    bool cancelling_ = false;
};

// The publish's talk in the window's dialogs; the publish runs on a worker.
class WindowTalk : public publish::PublishTalk {
public:
    WindowTalk(Prompts& prompts, std::function<publish::PublishReport(const publish::PublishJob&)> run)
        : prompts_(prompts), run_(std::move(run)) {}

    void tell(const Message& notice) override { prompts_.show(notice); }
    bool goOnDespite(const std::vector<movies::MovieFinding>& findings) override {
        return prompts_.ask(movies::findingsMessage(findings), movies::texts::kContinue);
    }
    publish::PublishReport run(const publish::PublishJob& job) override { return run_(job); }

private:
    Prompts& prompts_;
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
    const std::string pagePath = publish::pagePathFor(chosen->string());
    std::error_code ec;
    const fs::path page = fs::absolute(pagePath, ec).lexically_normal();
    settings.saveDir = page.parent_path().string();

    const publish::PublishReport report = publishTo(page, movies, settings, hotSpots, project, true);
    if (report.outcome == publish::PublishOutcome::Succeeded) tick_.play();
    if (!report.message.text.empty()) prompts_.show(report.message);
}

publish::PublishReport PublishCommand::publishTo(const fs::path& page, const model::MovieSlots& movies,
                                                 model::ViewerSettings& settings,
                                                 const hotspots::HotSpotList& hotSpots,
                                                 const fs::path& project, bool askAboutMovies) {
    if (running_) return {publish::PublishOutcome::Refused, {}};
    WindowTalk talk(prompts_, [this](const publish::PublishJob& job) { return publishInBackground(job); });
    const publish::PublishWork work{
        movies, page, hotSpots, project, askAboutMovies, nullptr, &media::moduleCaptionTools()};
    return publish::publishWork(work, settings, movieTools_, talk);
}

publish::PublishReport PublishCommand::publishInBackground(const publish::PublishJob& job) {
    running_ = true;
    stop_.store(false);
    Progress progress;
    publish::PublishReport report;

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
    std::unique_ptr<CopyDialog> dialog;
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
            if (!dialog) {
                dialog = std::make_unique<CopyDialog>(window_, [this, &dialog] {
                    cancel();
                    if (dialog) dialog->cancelling();
                });
            }
            dialog->update(movie, done, total);
        },
        kPollMs);
    dialog.reset();
    running_ = false;
    return report;
}

}  // namespace tessaly::app
