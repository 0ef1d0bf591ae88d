#include "app/Launcher.h"

#include <QDesktopServices>
#include <QProcess>

#include "ui/SingleInstance.h"

namespace tessaly::app {

bool DesktopLauncher::activateSelector() { return ui::activateRunning(ui::selectorChannel()); }

bool DesktopLauncher::startProgram(const QString& path) { return QProcess::startDetached(path, {}); }

bool DesktopLauncher::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace tessaly::app
