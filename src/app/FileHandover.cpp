#include "app/FileHandover.h"

#include <unistd.h>

#include "app/MainWindow.h"
#include "ui/SingleInstance.h"

namespace tessaly::app {
namespace {

namespace fs = std::filesystem;

// "open", a line end, then each path followed by a NUL: no path contains a NUL.
const QByteArray kOpen = QByteArrayLiteral("open\n");

}  // namespace

QString publisherChannel() {
    return QStringLiteral("tessaly-publisher-") + QString::number(static_cast<qulonglong>(::getuid()));
}

QByteArray openFilesMessage(const std::vector<fs::path>& files) {
    QByteArray message = kOpen;
    for (const fs::path& file : files) {
        message.append(file.native().data(), static_cast<qsizetype>(file.native().size()));
        message.append('\0');
    }
    return message;
}

std::optional<std::vector<fs::path>> filesOfMessage(const QByteArray& message) {
    if (!message.startsWith(kOpen)) return std::nullopt;
    std::vector<fs::path> files;
    qsizetype start = kOpen.size();
    while (start < message.size()) {
        const qsizetype end = message.indexOf('\0', start);
        if (end < 0) return std::nullopt;  // cut short
        fs::path file(std::string(message.constData() + start, static_cast<std::size_t>(end - start)));
        // The starter made every path absolute; this window's folder is not its own.
        if (!file.is_absolute()) return std::nullopt;
        files.push_back(std::move(file));
        start = end + 1;
    }
    return files;
}

bool handFilesOver(const QString& channel, const std::vector<fs::path>& files) {
    return ui::sendToRunning(channel, openFilesMessage(files));
}

std::unique_ptr<ui::SingleInstanceServer> receiveFiles(const QString& channel, MainWindow& window) {
    if (ui::sendToRunning(channel, {})) return nullptr;
    return std::make_unique<ui::SingleInstanceServer>(channel, [&window](const QByteArray& message) {
        const auto files = filesOfMessage(message);
        if (!files) return;
        ui::bringForward(&window);
        window.openFiles(*files);
    });
}

}  // namespace tessaly::app
