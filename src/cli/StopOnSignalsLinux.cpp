#include <signal.h>

#include <array>
#include <csignal>

#include "cli/StopOnSignals.h"

namespace tessaly::cli {
namespace {

constexpr std::array<int, 2> kSignals{SIGINT, SIGTERM};

std::atomic<bool> stopRequested{false};
volatile std::sig_atomic_t stopSignal = 0;
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void requestStop(int signal) {
    stopSignal = signal;
    stopRequested.store(true);
}

}  // namespace

struct StopOnSignals::Previous {
    std::array<struct sigaction, kSignals.size()> actions{};
};

StopOnSignals::StopOnSignals() : previous_(std::make_unique<Previous>()) {
    stopRequested.store(false);
    stopSignal = 0;
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous_->actions[i]);
}

StopOnSignals::~StopOnSignals() {
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previous_->actions[i], nullptr);
}

const std::atomic<bool>* StopOnSignals::flag() const { return &stopRequested; }

int StopOnSignals::signal() const { return stopSignal; }

int StopOnSignals::exitStatus() const { return 128 + (signal() != 0 ? signal() : SIGINT); }

}  // namespace tessaly::cli
