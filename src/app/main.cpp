// publisher: the Tessaly authoring window.

#include <QApplication>
#include <QDir>
#include <filesystem>

#include "app/Launcher.h"
#include "app/MainWindow.h"
#include "app/ToolTips.h"
#include "ui/Strings.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessaly::app::ToolTips::installStyle(app);

    tessaly::app::WindowSetup setup;
    const std::string current = QDir::currentPath().toStdString();
    setup.start.loadDir = current;
    setup.start.saveDir = current;
    setup.programFolder = tessaly::ui::toPath(QCoreApplication::applicationDirPath());

    tessaly::app::DesktopLauncher launcher;
    tessaly::app::MainWindow window(setup, launcher);
    window.show();
    return app.exec();
}
