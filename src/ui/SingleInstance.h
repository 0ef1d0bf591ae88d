#pragma once

// The channel by which a program that must run once is asked to come forward:
// the running copy listens under a name for the user; a starter first tries to
// reach it and starts a new copy only when nobody answers.

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace tessaly::ui {

// The selector's channel name for this user.
QString selectorChannel();

// True when a running copy listened under `name` and was asked to come forward.
bool activateRunning(const QString& name);

class SingleInstanceServer : public QObject {
    Q_OBJECT
public:
    // Listens under `name`; `onActivate` runs whenever a starter knocks.
    SingleInstanceServer(const QString& name, std::function<void()> onActivate, QObject* parent = nullptr);
    bool listening() const;

private:
    QLocalServer* server_;
    std::function<void()> onActivate_;
};

}  // namespace tessaly::ui
