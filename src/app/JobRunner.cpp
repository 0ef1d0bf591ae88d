#include "app/JobRunner.h"

#include <QGuiApplication>
#include <QtConcurrent/QtConcurrentRun>
#include <string>
#include <utility>

#include "app/ProgressWindow.h"
#include "app/WindowTexts.h"
#include "core/Prompts.h"

namespace tessaly::app {

JobRunner::JobRunner(QWidget* window, Prompts& prompts, std::function<void()> closeWindow)
    : window_(window), prompts_(prompts), closeWindow_(std::move(closeWindow)) {
    connect(&watcher_, &QFutureWatcher<void>::finished, this, [this] {
        // A report posted before the step ended is shown before what follows it.
        showReport();
        if (auto then = std::exchange(then_, nullptr)) then();
    });
    connect(this, &JobRunner::reported, this, &JobRunner::showReport, Qt::QueuedConnection);
}

JobRunner::~JobRunner() {
    stop_.store(true);
    watcher_.disconnect(this);
    watcher_.waitForFinished();
    delete progress_;
    if (running_) QGuiApplication::restoreOverrideCursor();
}

void JobRunner::begin(Job job) {
    running_ = true;
    closeAsked_ = false;
    stop_.store(false);
    stopQuestion_ = job.stopQuestion;
    emit runningChanged(true);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    progress_ = new ProgressWindow(window_, job.title, job.text, [this] { cancel(); });
    // Before anything slow, so the person sees at once that the command was taken.
    progress_->showNow();
}

void JobRunner::run(std::function<void()> step, std::function<void()> then) {
    then_ = std::move(then);
    watcher_.setFuture(QtConcurrent::run(std::move(step)));
}

void JobRunner::report(std::function<void()> show) {
    {
        const std::lock_guard lock(reportMutex_);
        latest_ = std::move(show);
    }
    // One report on its way at a time; it shows the latest.
    if (!reportPending_.exchange(true)) emit reported();
}

void JobRunner::showReport() {
    reportPending_.store(false);
    std::function<void()> show;
    {
        const std::lock_guard lock(reportMutex_);
        show = std::exchange(latest_, nullptr);
    }
    if (show && progress_ != nullptr && !stop_.load()) show();
}

void JobRunner::end(const std::function<void()>& then) {
    {
        const std::lock_guard lock(reportMutex_);
        latest_ = nullptr;
    }
    delete std::exchange(progress_, nullptr);
    QGuiApplication::restoreOverrideCursor();
    if (then) then();
    running_ = false;
    emit runningChanged(false);
    if (std::exchange(closeAsked_, false)) closeWindow_();
    emit ended();
}

bool JobRunner::holdClose() {
    if (!running_) return false;
    const Message question{std::string(stopQuestion_), Topic::Exit};
    if (prompts_.confirm(question)) {
        closeAsked_ = true;
        cancel();
    }
    return true;
}

}  // namespace tessaly::app
