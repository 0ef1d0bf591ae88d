#include "cli/StopOnSignals.h"

#include <csignal>

namespace tessaly::cli {
namespace {

std::atomic<bool> stopRequested{false};
volatile std::sig_atomic_t stopSignal = 0;
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void requestStop(int signal) {
    stopSignal = signal;
    stopRequested.store(true);
}

}  // namespace

StopOnSignals::StopOnSignals() {
    stopRequested.store(false);
    stopSignal = 0;
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &action, &previous_[i]);
}

StopOnSignals::~StopOnSignals() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
}

const std::atomic<bool>* StopOnSignals::flag() const { return &stopRequested; }

int StopOnSignals::signal() const { return stopSignal; }

}  // namespace tessaly::cli
