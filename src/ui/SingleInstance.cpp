#include "ui/SingleInstance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace tessaly::ui {
namespace {
constexpr int kConnectTimeoutMs = 300;
const char kKnock[] = "raise\n";
}  // namespace

QString selectorChannel() {
    return QStringLiteral("tessaly-selector-") + QString::number(static_cast<qulonglong>(::getuid()));
}

bool activateRunning(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(kKnock);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

SingleInstanceServer::SingleInstanceServer(const QString& name, std::function<void()> onActivate,
                                           QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), onActivate_(std::move(onActivate)) {
    // A copy that crashed leaves its socket file behind.
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (onActivate_) onActivate_();
        }
    });
}

bool SingleInstanceServer::listening() const { return server_->isListening(); }

}  // namespace tessaly::ui
