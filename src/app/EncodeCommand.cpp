#include "app/EncodeCommand.h"

#include <QElapsedTimer>
#include <memory>
#include <variant>

#include "app/JobRunner.h"
#include "app/ProgressWindow.h"
#include "app/WindowTexts.h"
#include "core/Prompts.h"
#include "core/movies/MovieTexts.h"
#include "core/movies/TimeLeft.h"
#include "core/publish/WorkSteps.h"
#include "ui/MessageLooks.h"
#include "ui/Strings.h"

namespace tessaly::app {

void EncodeCommand::run(const model::MovieSlots& movies, const std::filesystem::path& folder, Versions then) {
    if (runner_.running()) return;
    Result<movies::EncodeJob> job = publish::encodeJob(movies, folder);
    if (job.failed()) {
        prompts_.show(movies::encodeMessage(job.failure()));
        then({});
        return;
    }
    const QString name = ui::qpath(job->movie.filename());
    running_ = true;
    // Shown before the movie is read, which may take seconds.
    runner_.begin({ui::captionOf(Topic::EncodeDone), ui::qs(movies::texts::kEncodeWaiting).arg(name),
                   texts::kStopEncodingQuestion});
    ProgressWindow& window = runner_.progress();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    movies::EncodeControl control;
    control.tools = &tools_;
    control.encoder = &encoder_;
    control.stop = runner_.stopFlag();
    control.progress = [this, &window, clock, name](double done, double total) {
        if (total <= 0 || done <= 0) return;
        runner_.report([&window, clock, name, done, total] {
            window.setText(ui::qs(movies::texts::kEncodeProgress)
                               .arg(name, ui::qs(movies::durationText(done)),
                                    ui::qs(movies::durationText(total)),
                                    ui::qs(movies::timeLeftText(done, total, clock->elapsed() / 1000.0))));
            window.setDone(done / total);
        });
    };
    // Until the encode has run: a worker that never ran it was stopped.
    auto result = std::make_shared<movies::EncodeResult>(cancellation());
    runner_.run([job = std::move(job).value(), control = std::move(control),
                 result] { *result = movies::encodeWebVersions(job, control); },
                [this, result, then = std::move(then)] {
                    running_ = false;
                    runner_.end([&] {
                        prompts_.show(movies::encodeMessage(*result));
                        then(result->ok() ? result->value().versions : std::vector<std::filesystem::path>{});
                    });
                });
}

}  // namespace tessaly::app
