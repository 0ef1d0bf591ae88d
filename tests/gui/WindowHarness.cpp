#include "WindowHarness.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/ColorChooser.h"
#include "app/JobRunner.h"
#include "core/platform/Files.h"
#include "ui/FileDialog.h"
#include "ui/QtPrompts.h"
#include "ui/Strings.h"

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

app::MainWindow& WindowTest::openWindow(std::optional<app::MediaTools> tools) {
    window_.reset();
    window_ = makeWindow(std::move(tools));
    return *window_;
}

std::unique_ptr<app::MainWindow> WindowTest::makeWindow(std::optional<app::MediaTools> tools) {
    app::WindowSetup setup;
    setup.start.loadDir = folder().string();
    setup.start.saveDir = folder().string();
    setup.settingsPath = settingsPath();
    setup.programFolder = folder() / "bin";
    setup.recoveryFolder = folder() / "recovery";
    // Each test's window opens at its first size, whatever windows beside it keep.
    setup.placeFile = ui::qpath(folder() / "window.ini");
    return std::make_unique<app::MainWindow>(setup, launcher_, tools.value_or(this->tools()));
}

void sendCommand(app::MainWindow& window, int id) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (ui::controlId(action) != id) continue;
        action->trigger();
        return;
    }
    QWidget* control = ui::findControl(window.centralWidget(), id);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->click();
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        emit list->activated(list->currentIndex());
    } else {
        ADD_FAILURE() << "no command has the id " << id;
    }
}

void WindowTest::toEnd(const std::function<void()>& start) {
    QSignalSpy ended(&window().jobs(), &app::JobRunner::ended);
    start();
    if (window().jobs().running()) ASSERT_TRUE(ended.wait(120000)) << "the job never ended";
}

QAction* WindowTest::menuAction(int id) const {
    const auto actions = window_->menuBar()->findChildren<QAction*>();
    for (QAction* action : actions) {
        if (ui::controlId(action) == id) return action;
    }
    return nullptr;
}

std::filesystem::path WindowTest::folder() const { return std::filesystem::path(dir_.path().toStdString()); }

std::vector<Message> WindowTest::messages() { return ui::QtPrompts::takeLog(); }

std::filesystem::path WindowTest::writeFile(const std::string& name, const std::string& bytes) {
    const std::filesystem::path file = folder() / name;
    EXPECT_TRUE(platform::writeFileAtomic(file, bytes).ok());
    return file;
}

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

std::filesystem::path makeClip(const std::filesystem::path& folder, const Clip& clip) {
    const std::filesystem::path path = folder / clip.name;
    // Drawn small and enlarged without smoothing: a 4K clip is made in a second.
    const std::string rate = ":rate=" + std::to_string(clip.rate);
    std::string picture = "color=c=" + clip.background + ":size=256x128" + rate;
    if (clip.square)
        picture += "[bg];color=c=red:size=26x26" + rate + "[sq];[bg][sq]overlay=x=mod(t*W/2\\,W):y=H/3";
    picture += ",scale=" + clip.size + ":flags=neighbor";
    std::string command = "ffmpeg -nostdin -loglevel error -y -f lavfi -i \"" + picture + "\"";
    if (!clip.sound.empty()) command += " -f lavfi -i sine=frequency=440 " + clip.sound;
    command +=
        " -t " + std::to_string(clip.seconds) + " " + clip.video + " '" + path.string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0 || !std::filesystem::exists(path)) return {};
    return path;
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
