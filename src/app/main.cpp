// publisher: the Tessaly authoring window. `publisher FILE` opens a project or
// a movie; when a publisher window is already open, the file goes to it.

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "app/DesktopTexts.h"
#include "app/FileHandover.h"
#include "app/Launcher.h"
#include "app/MainWindow.h"
#include "app/StartArguments.h"
#include "app/ToolTips.h"
#include "app/WindowGrowth.h"
#include "core/model/AppState.h"
#include "core/movies/MovieInfoCache.h"
#include "media/FfmpegEncoder.h"
#include "media/ModuleMovieTools.h"
#include "ui/SingleInstance.h"
#include "ui/Strings.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Names the user's configuration folder (~/.config/Tessaly) and matches the menu entry.
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationName(QStringLiteral("publisher"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tessaly.Publisher"));

    namespace app = tessaly::app;
    const app::StartArguments arguments =
        app::parseStartArguments(QCoreApplication::arguments().mid(1), app::currentFolder());
    if (arguments.action == app::StartArguments::Action::Help) {
        std::cout << app::startUsage();
        return 0;
    }
    if (arguments.action == app::StartArguments::Action::Wrong) {
        std::cerr << app::texts::kUnknownOption << arguments.wrong << '\n' << app::texts::kSeeHelp << '\n';
        return 2;
    }
    if (!arguments.files.empty() && app::handFilesOver(app::publisherChannel(), arguments.files)) return 0;

    app::ToolTips::installStyle(application);
    using tessaly::ui::toPath;
    const std::filesystem::path executable = toPath(QCoreApplication::applicationFilePath());
    const std::filesystem::path configFolder =
        toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    const tessaly::model::AppState state = tessaly::model::startState(
        app::currentFolder(), tessaly::model::settingsFilePath(executable, configFolder));

    app::WindowSetup setup;
    setup.start = state.settings;
    setup.settingsPath = state.settingsPath;
    setup.programFolder = executable.parent_path();
    setup.recoveryFolder =
        toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) / "recovery";
    setup.placeFile = app::windowPlaceFile();

    app::DesktopLauncher launcher;
    tessaly::movies::MovieInfoCache movieTools(tessaly::media::moduleMovieTools());
    tessaly::media::FfmpegEncoder encoder;
    app::MainWindow window(setup, launcher, {movieTools, encoder});
    const auto receiver = app::receiveFiles(app::publisherChannel(), window);
    window.show();
    // Work lost by a crash comes back first; files named at start open after it.
    QTimer::singleShot(0, &window, [&window, &arguments] {
        window.offerRecovery();
        if (!arguments.files.empty()) window.openFiles(arguments.files);
    });
    return application.exec();
}
