#include "app/WorkRecovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QLockFile>
#include <QtDebug>

#include "app/DesktopTexts.h"
#include "core/platform/Files.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

// Taken at once or not at all; held by a process until it ends, however it ends.
std::unique_ptr<QLockFile> lockOf(const std::filesystem::path& file) {
    std::filesystem::path lockPath = file;
    lockPath.replace_extension(".lock");
    auto lock = std::make_unique<QLockFile>(ui::qpath(lockPath));
    // Only a holder that is gone makes a lock stale, never the lock's age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

}  // namespace

WorkRecovery::WorkRecovery(std::filesystem::path folder, Parts parts, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), parts_(std::move(parts)) {
    if (!folder_.empty()) {
        // Unique among windows, those of one process included.
        static int windows = 0;
        const QString name = QStringLiteral("%1-%2-%3")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QDateTime::currentMSecsSinceEpoch())
                                 .arg(++windows);
        file_ = folder_ / ui::toPath(name + ui::qs(model::kRecoveryExtension));
    }
    timer_.setSingleShot(true);
    timer_.setInterval(kRecoveryDelay);
    connect(&timer_, &QTimer::timeout, this, [this] { keepNow(); });
}

WorkRecovery::~WorkRecovery() {
    if (lock_) removeFile();
}

void WorkRecovery::workChanged(bool changed) {
    changed_ = changed;
    if (!changed) {
        timer_.stop();
        if (lock_) removeFile();
    } else if (!timer_.isActive()) {
        timer_.start();
    }
}

void WorkRecovery::keepNow() {
    timer_.stop();
    if (!changed_ || file_.empty()) return;
    if (!lock_) {
        std::error_code ec;
        std::filesystem::create_directories(folder_, ec);
        lock_ = lockOf(file_);
    }
    const Result<void> kept =
        lock_ ? platform::writeFileAtomic(file_, parts_.text())
              : Result<void>(platform::FileError{file_, "lock", "held by another window"});
    // Kept quietly: a box every few seconds would stop the work it protects.
    if (kept.failed() && !std::exchange(warned_, true)) qWarning("%s", kept.failure().message().c_str());
}

void WorkRecovery::removeFile() {
    std::error_code ec;
    std::filesystem::remove(file_, ec);
}

void WorkRecovery::offer() {
    if (folder_.empty()) return;
    const QFileInfoList found = QDir(ui::qpath(folder_))
                                    .entryInfoList({QStringLiteral("*") + ui::qs(model::kRecoveryExtension)},
                                                   QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDir::Time);
    for (const QFileInfo& info : found) {
        const std::filesystem::path file = ui::toPath(info.absoluteFilePath());
        if (file == file_) continue;
        // A window that still runs holds its file; so does one asking about it now.
        const std::unique_ptr<QLockFile> held = lockOf(file);
        if (!held) continue;
        const Result<model::RecoveredWork> read =
            model::readRecovery(file, parts_.settings(), QDir::currentPath().toStdString());
        // What cannot be read as a project is left as it is.
        if (read.failed()) continue;
        const model::RecoveredWork& recovered = read.value();
        const QString name = recovered.project.empty() ? ui::qs(texts::kRecoverUnnamed)
                                                       : ui::qpath(recovered.project.filename());
        const QString when = QLocale().toString(info.lastModified(), QLocale::ShortFormat);
        const Message question{ui::utf8(ui::qs(texts::kRecoverQuestion).arg(name, when)), Topic::Recover};
        const bool recover = parts_.prompts.askEither(question, texts::kRecover, texts::kDiscard);
        if (recover) {
            parts_.recover(recovered);
            // Kept as this window's own before the other copy goes.
            changed_ = true;
            keepNow();
        }
        std::error_code ec;
        std::filesystem::remove(file, ec);
        if (recover) return;
    }
}

}  // namespace tessaly::app
