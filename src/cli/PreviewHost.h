#pragma once

// What `tessaly preview` asks of the system: Ctrl+C or kill awaited while the
// server runs, and the desktop's browser started on the page. The Linux
// implementation is PreviewHostLinux.cpp.

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace tessaly::cli {

// While it lives, Ctrl+C and kill are taken by this thread alone, so they end
// the server in order; the threads it starts inherit that. A client that hangs
// up mid-movie does not end the program either.
class StopSignalsHeld {
public:
    StopSignalsHeld();
    ~StopSignalsHeld();
    StopSignalsHeld(const StopSignalsHeld&) = delete;
    StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

    // Waits up to `timeout`; true when Ctrl+C or kill came.
    [[nodiscard]] bool stopWithin(std::chrono::milliseconds timeout);

private:
    struct Masks;
    std::unique_ptr<Masks> masks_;
};

// The desktop's browser, started on an address and not waited for. It runs
// apart from this program: the Ctrl+C that ends the server does not close it,
// and it runs without the signal mask the server runs under.
class BrowserStart {
public:
    BrowserStart() = default;
    ~BrowserStart();
    BrowserStart(const BrowserStart&) = delete;
    BrowserStart& operator=(const BrowserStart&) = delete;

    // Why it could not be started, if it could not.
    [[nodiscard]] std::optional<std::string> open(const std::string& address);

private:
    int launcher_ = -1;
};

}  // namespace tessaly::cli
