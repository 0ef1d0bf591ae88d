#pragma once

// A second `publisher FILE` hands its files to the window already open, over
// the single-instance channel, and ends; that window comes forward and opens
// them as if it had been started with them.

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace tessaly::ui {
class SingleInstanceServer;
}

namespace tessaly::app {

class MainWindow;

// The publisher's channel name for this user.
QString publisherChannel();

// The message that carries `files` (absolute paths), and back; nothing when a
// message is not one of these.
QByteArray openFilesMessage(const std::vector<std::filesystem::path>& files);
std::optional<std::vector<std::filesystem::path>> filesOfMessage(const QByteArray& message);

// True when a window listening on `channel` took the files.
bool handFilesOver(const QString& channel, const std::vector<std::filesystem::path>& files);

// Makes `window` the one that receives files on `channel`, unless another
// window already listens there (then null: the first window keeps them).
std::unique_ptr<ui::SingleInstanceServer> receiveFiles(const QString& channel, MainWindow& window);

}  // namespace tessaly::app
