#pragma once

// Ctrl+C and SIGTERM during a long verb: while a StopOnSignals lives they set
// a flag the work watches, so it stops cleanly (and leaves the files as they
// were) instead of the process being killed half way. The Linux implementation
// is StopOnSignalsLinux.cpp.

#include <atomic>
#include <memory>

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
    int exitStatus() const;

private:
    struct Previous;  // the handlers to put back, as the system keeps them
    std::unique_ptr<Previous> previous_;
};

}  // namespace tessaly::cli
