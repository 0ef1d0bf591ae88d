// One start of a window, for bench/startup/run.sh:
//   startup_bench publisher|bare
// prints the wall-clock time (ns since the epoch) at which the window was first
// shown on screen, then the resident memory (KiB) once it has rested a second.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "../common/PublisherWindow.h"

namespace {

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || (std::strcmp(argv[1], "publisher") != 0 && std::strcmp(argv[1], "bare") != 0)) {
        std::fprintf(stderr, "usage: startup_bench publisher|bare\n");
        return 2;
    }
    const bool publisher = std::strcmp(argv[1], "publisher") == 0;
    QApplication app(argc, argv);
    QTemporaryDir home;  // no settings file: the start values
    std::unique_ptr<QMainWindow> window;
    tessaly::app::DesktopLauncher launcher;
    if (publisher) {
        window = publisherWindow(app, home.path(), launcher);
    } else {
        // The same frame without the controls: title, menu bar, client area.
        window = std::make_unique<QMainWindow>();
        window->setWindowTitle(QStringLiteral("Tessaly"));
        for (const char* menu : {"&File ", "&Option", "&Help"})
            window->menuBar()->addMenu(QString::fromUtf8(menu));
        auto* client = new QWidget(window.get());
        client->setFixedSize(910, 665);
        window->setCentralWidget(client);
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return 1;
    const long long shown = nowNs();
    QTest::qWait(1000);
    std::printf("%lld %ld\n", shown, residentKiB());
    return 0;
}
