#pragma once

// Unsaved work kept where a crash or a kill cannot take it: a recovery file in
// the user's data folder, written a few seconds after a change and before any
// long job, removed once the work is saved, discarded or the window closes.
// Each window keeps its own file, held by a lock for as long as it runs; at
// start the work of windows that are gone is offered back.

#include <QObject>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/Prompts.h"
#include "core/model/RecoveryFile.h"

class QLockFile;

namespace tessaly::app {

// The longest a change stays unkept is this and one write.
inline constexpr std::chrono::milliseconds kRecoveryDelay{10000};

class WorkRecovery : public QObject {
public:
    struct Parts {
        Prompts& prompts;
        std::function<std::string()> text;                         // the file's content now
        std::function<model::ViewerSettings()> settings;           // read a recovered project over
        std::function<void(const model::RecoveredWork&)> recover;  // take the work into the window
    };

    // With an empty `folder` nothing is kept or offered.
    WorkRecovery(std::filesystem::path folder, Parts parts, QObject* parent = nullptr);
    // The window closes as it should: its file goes.
    ~WorkRecovery() override;
    WorkRecovery(const WorkRecovery&) = delete;
    WorkRecovery& operator=(const WorkRecovery&) = delete;

    // After every change: changed work is kept soon; unchanged work needs no file.
    void workChanged(bool changed);
    // Keeps changed work at once (before a long job).
    void keepNow();
    // Asks, newest first, whether to take back the work of each window that did
    // not close as it should, until one is taken.
    void offer();
    // This window's file; it exists only while changed work is kept.
    const std::filesystem::path& file() const { return file_; }

private:
    void removeFile();

    std::filesystem::path folder_;
    Parts parts_;
    std::filesystem::path file_;
    std::unique_ptr<QLockFile> lock_;
    QTimer timer_;
    bool changed_ = false;
    bool warned_ = false;
};

}  // namespace tessaly::app
