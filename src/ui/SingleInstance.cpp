#include "ui/SingleInstance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

namespace tessaly::ui {
namespace {
constexpr int kConnectTimeoutMs = 300;
// A starter writes its message at once; one that holds the line longer is dropped.
constexpr int kMessageTimeoutMs = 3000;
const char kKnock[] = "raise\n";
}  // namespace

QString selectorChannel() {
    return QStringLiteral("tessaly-selector-") + QString::number(static_cast<qulonglong>(::getuid()));
}

bool sendToRunning(const QString& name, const QByteArray& message) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    if (!message.isEmpty()) {
        socket.write(message);
        while (socket.bytesToWrite() > 0) {
            if (!socket.waitForBytesWritten(kMessageTimeoutMs)) return false;
        }
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectTimeoutMs);
    return true;
}

bool activateRunning(const QString& name) { return sendToRunning(name, kKnock); }

void bringForward(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

SingleInstanceServer::SingleInstanceServer(const QString& name,
                                           std::function<void(const QByteArray& message)> onMessage,
                                           QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), onMessage_(std::move(onMessage)) {
    // A copy that crashed leaves its socket file behind.
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            auto* timeout = new QTimer(socket);
            timeout->setSingleShot(true);
            connect(timeout, &QTimer::timeout, socket, [socket] {
                socket->setProperty("dropped", true);
                socket->abort();
            });
            connect(socket, &QLocalSocket::readyRead, socket, [socket] {
                if (socket->bytesAvailable() > kMaxMessage) {
                    socket->setProperty("dropped", true);
                    socket->abort();
                }
            });
            // The message is whole when the starter hangs up.
            const auto finish = [this, socket] {
                if (socket->property("finished").toBool()) return;
                socket->setProperty("finished", true);
                const QByteArray message =
                    socket->property("dropped").toBool() ? QByteArray() : socket->readAll();
                socket->deleteLater();
                if (!message.isEmpty() && onMessage_) onMessage_(message);
            };
            connect(socket, &QLocalSocket::disconnected, this, finish);
            timeout->start(kMessageTimeoutMs);
            if (socket->state() == QLocalSocket::UnconnectedState) finish();
        }
    });
}

bool SingleInstanceServer::listening() const { return server_->isListening(); }

}  // namespace tessaly::ui
