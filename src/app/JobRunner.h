#pragma once

// The window's host of long work (Publish Web Movie, Preview in Browser, Make
// Web Versions), the jobs core runs on the command line in place. A command
// begins a job: the window's commands go off and one progress window shows at
// once. Its slow steps run on a worker; their progress reaches the progress
// window by queued signals, and what comes after a step runs on the GUI thread
// once the step has ended. The command ends the job: its commands come back,
// and a close asked for meanwhile happens then.

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string_view>

#include "core/publish/Jobs.h"

class QWidget;

namespace tessaly {
class Prompts;
}

namespace tessaly::app {

class ProgressWindow;

class JobRunner : public QObject, public publish::JobHost {
    Q_OBJECT
public:
    struct Job {
        QString title;                  // the progress window's
        QString text;                   // its first line
        std::string_view stopQuestion;  // asked when the window is closed meanwhile
    };

    // `closeWindow` closes the window for good once a stopped job has ended.
    JobRunner(QWidget* window, Prompts& prompts, std::function<void()> closeWindow);
    // Stops a running step and waits for it.
    ~JobRunner() override;

    // The job begins: commands off, the busy pointer and the progress window on.
    void begin(Job job);
    // `step` on a worker; `then` here once it has ended.
    void run(std::function<void()> step, std::function<void()> then) override;
    // The progress window says what the job has come to.
    void stepBegins(publish::JobStep step) override;
    // From a step: shown here soon, unless a later report replaces it or the
    // job was stopped. Each report shows no earlier than the one before.
    void report(const publish::JobProgress& progress) override;
    // The job ends: the progress window and busy pointer go, `then` (the
    // outcome's dialogs) runs, commands come back, and a waiting close closes.
    void end(const std::function<void()>& then = {});

    bool running() const { return running_; }
    // The flag a step looks at now and then; set by Cancel and by closing.
    const std::atomic<bool>* stopFlag() const override { return &stop_; }
    void cancel() { stop_.store(true); }
    // Between begin() and end(): the one progress window.
    ProgressWindow& progress() { return *progress_; }
    // On closing: false when no job runs. Otherwise asks whether to stop the
    // job; a yes stops it and the window closes when it has ended.
    bool holdClose();

signals:
    // True from begin() to end(): the window's commands are off meanwhile.
    void runningChanged(bool running);
    // The job has ended, its outcome told.
    void ended();
    // A step's report waits here: queued to this thread.
    void reported();

private:
    void showReport();

    QPointer<QWidget> window_;
    Prompts& prompts_;
    std::function<void()> closeWindow_;
    QFutureWatcher<void> watcher_;
    std::function<void()> then_;
    ProgressWindow* progress_ = nullptr;  // owned here while a job runs
    std::string_view stopQuestion_;
    bool running_ = false;
    bool closeAsked_ = false;
    std::atomic<bool> stop_{false};
    std::mutex reportMutex_;
    std::optional<publish::JobProgress> latest_;
    std::atomic<bool> reportPending_{false};
};

}  // namespace tessaly::app
