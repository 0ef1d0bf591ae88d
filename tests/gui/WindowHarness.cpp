#include "WindowHarness.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/ColorChooser.h"
#include "ui/FileDialog.h"
#include "ui/QtPrompts.h"

namespace tessaly::gui_test {

void WindowTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    ui::QtPrompts::setScripted(true);
    ui::FileDialog::setScripted(true);
    app::ColorChooser::setScripted(true);
    openWindow();
}

void WindowTest::TearDown() {
    window_.reset();
    ui::QtPrompts::setScripted(false);
    ui::FileDialog::setScripted(false);
    app::ColorChooser::setScripted(false);
}

app::MainWindow& WindowTest::openWindow() {
    window_.reset();
    app::WindowSetup setup;
    setup.start.loadDir = folder().string();
    setup.start.saveDir = folder().string();
    setup.settingsPath = settingsPath();
    setup.programFolder = folder() / "bin";
    window_ = std::make_unique<app::MainWindow>(setup, launcher_);
    return *window_;
}

std::filesystem::path WindowTest::folder() const { return std::filesystem::path(dir_.path().toStdString()); }

std::vector<Message> WindowTest::messages() { return ui::QtPrompts::takeLog(); }

QString WindowTest::closeModal(const std::function<void()>& action) {
    // The timer fires inside the modal window's own loop; when the action opens
    // none, it fires later and must then do nothing.
    auto seen = std::make_shared<QString>();
    auto armed = std::make_shared<bool>(true);
    QTimer::singleShot(0, window_.get(), [seen, armed] {
        if (!*armed) return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            *seen = modal->windowTitle();
            modal->close();
        }
    });
    action();
    *armed = false;
    return *seen;
}

std::filesystem::path makeClip(const std::filesystem::path& folder, double seconds) {
    const std::filesystem::path clip = folder / "clip.mp4";
    const std::string command =
        "ffmpeg -nostdin -loglevel error -y -f lavfi -i testsrc=size=320x160:rate=25 -t " +
        std::to_string(seconds) + " -pix_fmt yuv420p '" + clip.string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0 || !std::filesystem::exists(clip)) return {};
    return clip;
}

bool waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QTest::qWait(20);
    }
    return true;
}

}  // namespace tessaly::gui_test
