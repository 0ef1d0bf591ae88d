// One playback of a movie, for bench/preview/run.sh:
//   preview_bench publisher|look|reference MOVIE SECONDS
// publisher: the publisher window plays MOVIE in its preview, as Load Web
// Movie does; look: the same, the preview looking around as a visitor would. reference: a bare QMediaPlayer
// with a QAudioOutput draws into a QVideoWidget of the preview picture's size. After a second of warm-up it
// prints, over SECONDS of playback: CPU seconds per second (every thread of the
// process), frames shown per second, movie seconds played per second and
// frames the back end delivered per second. The reference's video widget
// paints on its own, so its frames shown are the frames delivered to it.

#include <sys/resource.h>

#include <QApplication>
#include <QAudioOutput>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "../common/PublisherWindow.h"
#include "app/QtPreviewPlayer.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Sample {
    double cpu, wall, frames, position;
};

// What one run needs to read from either player.
struct Subject {
    std::function<long()> frames;
    std::function<double()> position;  // seconds
};

Sample sample(const Subject& s, const QElapsedTimer& clock) {
    return {cpuSeconds(), static_cast<double>(clock.nsecsElapsed()) / 1e9, static_cast<double>(s.frames()),
            s.position()};
}

}  // namespace

int main(int argc, char** argv) {
    const bool look = argc == 4 && std::strcmp(argv[1], "look") == 0;
    if (argc != 4 ||
        (std::strcmp(argv[1], "publisher") != 0 && !look && std::strcmp(argv[1], "reference") != 0)) {
        std::fprintf(stderr, "usage: preview_bench publisher|look|reference MOVIE SECONDS\n");
        return 2;
    }
    const bool publisher = std::strcmp(argv[1], "reference") != 0;
    const QString movie = QString::fromLocal8Bit(argv[2]);
    const double seconds = std::atof(argv[3]);
    QApplication app(argc, argv);

    QTemporaryDir home;  // no settings file: the start values
    tessaly::app::DesktopLauncher launcher;
    std::unique_ptr<QWidget> window;
    Subject subject;
    std::atomic<long> delivered{0};
    QMediaPlayer* referencePlayer = nullptr;
    if (publisher) {
        auto main = publisherWindow(app, home.path(), launcher);
        tessaly::app::QtPreviewPlayer* player = &main->player();
        subject.frames = [player] { return static_cast<long>(player->picture()->framesShown()); };
        QObject::connect(
            player->picture()->sink(), &QVideoSink::videoFrameChanged, player,
            [&delivered](const QVideoFrame& frame) {
                if (frame.isValid()) ++delivered;
            },
            Qt::DirectConnection);
        subject.position = [player] { return player->position(); };
        window = std::move(main);
        window->show();
        player->picture()->setLookingAround(look);
        player->open(movie.toStdString());
        player->play();
    } else {
        // The preview picture's size: the 448 x 300 host less its frame, its
        // margin and the transport strip under the picture.
        window = std::make_unique<QWidget>();
        window->resize(444, 222);
        auto* video = new QVideoWidget(window.get());
        video->setGeometry(0, 0, 444, 222);
        referencePlayer = new QMediaPlayer(window.get());
        referencePlayer->setAudioOutput(new QAudioOutput(referencePlayer));
        referencePlayer->setVideoOutput(video);
        QObject::connect(
            video->videoSink(), &QVideoSink::videoFrameChanged, video,
            [&delivered](const QVideoFrame& frame) {
                if (frame.isValid()) ++delivered;
            },
            Qt::DirectConnection);
        subject.frames = [&delivered] { return delivered.load(); };
        subject.position = [referencePlayer] {
            return static_cast<double>(referencePlayer->position()) / 1000.0;
        };
        window->show();
        referencePlayer->setSource(QUrl::fromLocalFile(movie));
        referencePlayer->play();
    }

    QElapsedTimer clock;
    clock.start();
    // Warm-up: the pipeline built and the first pictures shown.
    while (subject.frames() < 1 && clock.elapsed() < 20000) QTest::qWait(10);
    if (subject.frames() < 1) {
        std::fprintf(stderr, "preview_bench: no picture of %s within 20 s\n", argv[2]);
        return 1;
    }
    QTest::qWait(1000);
    const Sample start = sample(subject, clock);
    const long d0 = delivered;
    QTest::qWait(static_cast<int>(seconds * 1000));
    const Sample end = sample(subject, clock);
    const double wall = end.wall - start.wall;
    std::printf("%.3f %.2f %.3f %.2f\n", (end.cpu - start.cpu) / wall, (end.frames - start.frames) / wall,
                (end.position - start.position) / wall, (delivered - d0) / wall);
    return 0;
}
