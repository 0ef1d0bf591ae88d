#pragma once

// Ctrl+C and SIGTERM during a long verb: while a StopOnSignals lives they set
// a flag the work watches, so it stops cleanly (and leaves the files as they
// were) instead of the process being killed half way.

#include <signal.h>

#include <array>
#include <atomic>

namespace tessaly::cli {

class StopOnSignals {
public:
    StopOnSignals();
    ~StopOnSignals();
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

    const std::atomic<bool>* flag() const;
    int signal() const;  // the signal received, 0 while none
    // The exit status a shell reports for a process the signal ended (SIGINT's when none came).
    int exitStatus() const { return 128 + (signal() != 0 ? signal() : SIGINT); }

private:
    static constexpr std::array<int, 2> kSignals{SIGINT, SIGTERM};
    std::array<struct sigaction, 2> previous_{};
};

}  // namespace tessaly::cli
