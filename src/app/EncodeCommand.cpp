#include "app/EncodeCommand.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <mutex>

#include "app/BackgroundWork.h"
#include "app/ProgressWindow.h"
#include "core/Prompts.h"
#include "core/movies/MovieTexts.h"
#include "core/movies/TimeLeft.h"
#include "core/publish/WorkSteps.h"
#include "core/text/Text.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

namespace fs = std::filesystem;

constexpr int kPollMs = 100;

// What the worker last reported, read by the window.
struct Progress {
    std::mutex mutex;
    double done = 0;
    double total = 0;
};

}  // namespace

std::vector<fs::path> EncodeCommand::run(const model::MovieSlots& movies, const fs::path& folder) {
    if (running_) return {};
    const movies::EncodeReport report = publish::encodeWork(
        movies, folder, [this](const movies::EncodeJob& job) { return encodeInBackground(job); });
    prompts_.show(report.message);
    return report.versions;
}

movies::EncodeReport EncodeCommand::encodeInBackground(const movies::EncodeJob& job) {
    running_ = true;
    stop_.store(false);
    Progress progress;
    movies::EncodeReport report;
    movies::EncodeControl control;
    control.tools = &tools_;
    control.encoder = &encoder_;
    control.stop = &stop_;
    control.progress = [&progress](double done, double total) {
        const std::lock_guard lock(progress.mutex);
        progress.done = done;
        progress.total = total;
    };
    const QString name = ui::qpath(job.movie.filename());
    ProgressWindow window(window_, ui::qs(movies::texts::kEncodeCaption),
                          ui::qs(movies::texts::kEncodeWaiting).arg(name), [this] { cancel(); });
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    // Before the movie is read, which may take seconds.
    window.showNow();
    QElapsedTimer clock;
    clock.start();
    runInBackground(
        window_, [&] { report = movies::encodeWebVersions(job, control); },
        [&] {
            double done = 0, total = 0;
            {
                const std::lock_guard lock(progress.mutex);
                done = progress.done;
                total = progress.total;
            }
            if (stop_.load() || total <= 0 || done <= 0) return;
            window.setText(ui::qs(movies::texts::kEncodeProgress)
                               .arg(name, ui::qs(movies::durationText(done)),
                                    ui::qs(movies::durationText(total)),
                                    ui::qs(movies::timeLeftText(done, total, clock.elapsed() / 1000.0))));
            window.setDone(done / total);
        },
        kPollMs);
    QGuiApplication::restoreOverrideCursor();
    running_ = false;
    return report;
}

}  // namespace tessaly::app
