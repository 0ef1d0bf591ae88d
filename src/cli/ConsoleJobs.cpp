#include "cli/ConsoleJobs.h"

#include <unistd.h>

#include <cstdint>
#include <iostream>
#include <string>

namespace tessaly::cli {
namespace {

// Copies smaller than this finish before a progress line would help.
constexpr double kCopyProgressFrom = static_cast<double>(std::uint64_t{64} << 20);

}  // namespace

ConsoleJobs::ConsoleJobs(std::ostream& err, const std::atomic<bool>* stop)
    : InPlaceJobs(stop), line_(err), shown_(&err == &std::cerr && ::isatty(STDERR_FILENO)) {}

void ConsoleJobs::stepBegins(publish::JobStep step) {
    reached_ |= bit(step);
    line_.finish();
}

void ConsoleJobs::report(const publish::JobProgress& progress) {
    if (!shown_ || progress.total <= 0) return;
    const std::string name = progress.movie.filename().string();
    const int percent = static_cast<int>(progress.fraction() * 100);
    if (progress.step == publish::JobStep::Encoding) {
        line_.update("encoding " + name, percent,
                     ", " + progress.timeLeft(movies::TimeLeftStyle::Clock) + " left   ");
        return;
    }
    if (progress.total < kCopyProgressFrom) return;
    line_.update("copying " + name, percent);
    if (progress.done >= progress.total) line_.finish();
}

}  // namespace tessaly::cli
