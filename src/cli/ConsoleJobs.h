#pragma once

// The command line's host of long work: each step of a publish or an encode
// runs in place, and its progress is one line of the error stream, rewritten
// as the work goes on ("tessaly: copying tour.mp4: 42%", "tessaly: encoding
// tour.mp4: 42%, 1:20 left"), when that stream is a terminal.

#include <atomic>
#include <optional>
#include <ostream>

#include "cli/Console.h"
#include "core/publish/Jobs.h"

namespace tessaly::cli {

class ConsoleJobs : public publish::InPlaceJobs {
public:
    ConsoleJobs(std::ostream& err, const std::atomic<bool>* stop);

    void stepBegins(publish::JobStep step) override;
    void report(const publish::JobProgress& progress) override;
    // Ends a line cut short by a cancel or a failure.
    void finish() { line_.finish(); }
    // The job came to `step`: a publish that wrote, an encode that ran.
    bool reached(publish::JobStep step) const { return (reached_ & bit(step)) != 0; }

private:
    static unsigned bit(publish::JobStep step) { return 1u << static_cast<unsigned>(step); }

    PercentLine line_;
    bool shown_;
    unsigned reached_ = 0;
};

}  // namespace tessaly::cli
