#include "app/EncodeCommand.h"

#include <variant>

#include "app/JobRunner.h"
#include "app/WindowTexts.h"
#include "core/Prompts.h"
#include "core/movies/MovieTexts.h"
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
    movies::EncodeControl control;
    control.tools = &tools_;
    control.encoder = &encoder_;
    publish::startEncode(
        runner_, std::move(job).value(), std::move(control),
        [this, then = std::move(then)](const movies::EncodeResult& result) {
            running_ = false;
            runner_.end([&] {
                prompts_.show(movies::encodeMessage(result));
                then(result.ok() ? result.value().versions : std::vector<std::filesystem::path>{});
            });
        });
}

}  // namespace tessaly::app
