#include "app/JobRunner.h"

#include <QGuiApplication>
#include <QtConcurrent/QtConcurrentRun>
#include <string>
#include <utility>

#include "app/ProgressWindow.h"
#include "app/WindowTexts.h"
#include "core/Prompts.h"
#include "ui/Strings.h"

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

void JobRunner::stepBegins(publish::JobStep step) {
    if (progress_ == nullptr) return;
    switch (step) {
        case publish::JobStep::ReadingMovies:
            progress_->setText(ui::qs(texts::kReadingMovies));
            break;
        case publish::JobStep::WritingPage:
            progress_->setText(ui::qs(texts::kWritingPage));
            break;
        case publish::JobStep::Encoding:  // the window's first line names the movie
            break;
    }
}

void JobRunner::report(const publish::JobProgress& progress) {
    {
        const std::lock_guard lock(reportMutex_);
        latest_ = progress;
    }
    // One report on its way at a time; it shows the latest.
    if (!reportPending_.exchange(true)) emit reported();
}

void JobRunner::showReport() {
    reportPending_.store(false);
    std::optional<publish::JobProgress> latest;
    {
        const std::lock_guard lock(reportMutex_);
        latest = std::exchange(latest_, std::nullopt);
    }
    if (latest && progress_ != nullptr && !stop_.load()) progress_->showProgress(*latest);
}

void JobRunner::end(const std::function<void()>& then) {
    {
        const std::lock_guard lock(reportMutex_);
        latest_.reset();
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
