// publisher: the Tessaly authoring window.

#include <QApplication>
#include <QStandardPaths>
#include <filesystem>

#include "app/Launcher.h"
#include "app/MainWindow.h"
#include "app/ToolTips.h"
#include "core/model/AppState.h"
#include "ui/Strings.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Names the user's configuration folder (~/.config/Tessaly) and matches the menu entry.
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationName(QStringLiteral("publisher"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tessaly.Publisher"));
    tessaly::app::ToolTips::installStyle(app);

    using tessaly::ui::toPath;
    const std::filesystem::path executable = toPath(QCoreApplication::applicationFilePath());
    const std::filesystem::path configFolder =
        toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    const tessaly::model::AppState state = tessaly::model::startState(
        tessaly::app::currentFolder(), tessaly::model::settingsFilePath(executable, configFolder));

    tessaly::app::WindowSetup setup;
    setup.start = state.settings;
    setup.settingsPath = state.settingsPath;
    setup.programFolder = executable.parent_path();

    tessaly::app::DesktopLauncher launcher;
    tessaly::app::MainWindow window(setup, launcher);
    window.show();
    return app.exec();
}
