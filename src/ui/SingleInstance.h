#pragma once

// The channel by which a program that must run once is asked to come forward:
// the running copy listens under a name for the user; a starter first tries to
// reach it and starts a new copy only when nobody answers. A starter may send
// a message along (the publisher sends the files it was given); the running
// copy receives it whole once the starter hangs up.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;
class QWidget;

namespace tessaly::ui {

// The selector's channel name for this user.
QString selectorChannel();

// True when a running copy listened under `name` and was asked to come forward.
bool activateRunning(const QString& name);

// True when a running copy listened under `name` and took `message`. An empty
// message only asks whether anybody listens.
bool sendToRunning(const QString& name, const QByteArray& message);

// Shows `window` in front of the others, restored if it was minimised.
void bringForward(QWidget* window);

class SingleInstanceServer : public QObject {
    Q_OBJECT
public:
    // The largest message taken; a longer one is dropped.
    static constexpr qsizetype kMaxMessage = 1024 * 1024;

    // Listens under `name`; `onMessage` runs with each starter's message.
    SingleInstanceServer(const QString& name, std::function<void(const QByteArray& message)> onMessage,
                         QObject* parent = nullptr);
    bool listening() const;

private:
    QLocalServer* server_;
    std::function<void(const QByteArray&)> onMessage_;
};

}  // namespace tessaly::ui
