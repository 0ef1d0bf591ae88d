#pragma once

// Deferred steps of the hot-spot editor on the window's event loop.

#include <QObject>
#include <QTimer>

#include "core/hotspots/Scheduler.h"

namespace tessaly::app {

class QtScheduler : public hotspots::Scheduler {
public:
    // Pending steps are dropped when `context` goes.
    explicit QtScheduler(QObject* context) : context_(context) {}

    void runLater(std::chrono::milliseconds delay, std::function<void()> callback) override {
        QTimer::singleShot(delay, context_, std::move(callback));
    }

private:
    QObject* context_;
};

}  // namespace tessaly::app
