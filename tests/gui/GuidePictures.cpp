// Makes the pictures of the user's guide from the real window: the demo project
// loaded, its first Hot Spot selected, and the short help window.
//   guide_pictures DEMO.hs5 OUTFOLDER

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/ControlIds.h"
#include "app/HelpWindow.h"
#include "app/Launcher.h"
#include "app/MainWindow.h"
#include "app/QtPreviewPlayer.h"
#include "app/ToolTips.h"
#include "core/movies/MovieInfoCache.h"
#include "media/FfmpegEncoder.h"
#include "media/ModuleMovieTools.h"
#include "ui/ControlId.h"
#include "ui/FileDialog.h"
#include "ui/QtPrompts.h"

namespace {

class NoLauncher : public tessaly::app::Launcher {
public:
    bool activateSelector() override { return false; }
    bool startProgram(const QString&) override { return false; }
    bool openUrl(const QUrl&) override { return false; }
};

void settle(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QTest::qWait(20);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: guide_pictures DEMO.hs5 OUTFOLDER\n");
        return 2;
    }
    tessaly::app::ToolTips::installStyle(app);
    using namespace tessaly;
    ui::QtPrompts::setScripted(true);
    ui::FileDialog::setScripted(true);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);

    QTemporaryDir home;
    app::WindowSetup setup;
    setup.start.loadDir = home.path().toStdString();
    setup.start.saveDir = setup.start.loadDir;
    setup.settingsPath = (home.path() + QStringLiteral("/publisher.ini")).toStdString();
    NoLauncher launcher;
    movies::MovieInfoCache movieTools(media::moduleMovieTools());
    media::FfmpegEncoder encoder;
    app::MainWindow window(setup, launcher, {movieTools, encoder});
    window.show();

    ui::FileDialog::setNextAnswer(QString::fromLocal8Bit(argv[1]));
    for (QAction* action : window.findChildren<QAction*>()) {
        if (ui::controlId(action) == app::ids::kLoadProject) action->trigger();
    }
    settle(2500);
    ui::control<QAbstractButton>(window.centralWidget(), app::ids::slotSelector(1))->click();
    settle(800);
    const QImage shot = window.grab().toImage();
    bool ok = shot.save(out + QStringLiteral("/window.png"));
    const QPoint client = window.centralWidget()->pos();
    ok = shot.copy(QRect(client + QPoint(245, 490), QSize(660, 150)))
             .save(out + QStringLiteral("/hotspots.png")) &&
         ok;
    ok =
        shot.copy(QRect(client + QPoint(0, 70), QSize(910, 110))).save(out + QStringLiteral("/movies.png")) &&
        ok;

    // Larger, looking around as a visitor will, the Hot Spot in sight.
    window.resize(1280, 900);
    settle(300);
    app::PreviewPicture& picture = *window.player().picture();
    picture.setLookingAround(true);
    picture.setView({{0, -10}, 80});
    settle(1500);
    QWidget* preview = ui::findControl(window.centralWidget(), app::ids::kPreview);
    ok = preview->grab().save(out + QStringLiteral("/lookaround.png")) && ok;
    picture.setLookingAround(false);
    window.resize(window.minimumSize());

    app::HelpWindow help(&window, {});
    help.show();
    settle(200);
    ok = help.grab().save(out + QStringLiteral("/help.png")) && ok;
    ui::QtPrompts::setNextAnswer(true);
    window.close();
    return ok ? 0 : 1;
}
