// The hot-spot road with the real preview: clips made by ffmpeg, 1K to 4K, are
// loaded, played and paused; Add Hot Spot stores the preview's position;
// selecting the slot again seeks back to it. Movies the preview cannot play,
// and loading one movie over another. Also the refusals, clearing and the yaw
// marker.

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <QThread>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "../core/hotspots/Fakes.h"
#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "app/HotSpotPanel.h"
#include "app/QtPreviewPlayer.h"
#include "app/SettingsBinding.h"
#include "app/TransportStrip.h"
#include "core/hotspots/HotSpotTexts.h"
#include "core/hotspots/LookAround.h"
#include "core/model/ProjectFile.h"
#include "ui/FileDialog.h"

namespace tessaly::gui_test {
namespace {

using namespace app::ids;

// Where the test clip's moving square begins, as a share of the picture's
// width: the clip's time in seconds, halved, less whole turns. Negative when
// no square shows.
double squareAt(const QImage& picture) {
    const int y = picture.height() * 55 / 128;  // the square's middle row
    for (int x = 0; x < picture.width(); ++x) {
        const QColor c = picture.pixelColor(x, y);
        if (c.red() > 160 && c.green() < 100 && c.blue() < 100)
            return static_cast<double>(x) / picture.width();
    }
    return -1;
}

class HotSpotFlow : public WindowTest {
protected:
    QLineEdit* edit(int id) { return control<QLineEdit>(id); }
    QString label(int id) { return control<QLabel>(id)->text(); }
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const Message& m : messages()) out.push_back(m.text);
        return out;
    }
};

// The movies 360 cameras make, short: 1K with a sound track (the machine may
// have no sound device: the picture plays silently), 2K and 4K; and VP9 with
// its Opus sound in WebM, the web's other format.
struct Movie {
    const char* name;
    Clip clip;
};
const Movie kMovies[] = {
    // Long enough that a busy machine adds the hot spot well before the end.
    {"Sound1K", {.name = "sound1k.mp4", .size = "1024x512", .seconds = 6, .sound = "-c:a aac"}},
    {"Picture2K", {.name = "picture2k.mp4", .size = "2048x1024", .seconds = 6}},
    // On a busy machine the test build starts decoding 4K a second or two
    // late, and GStreamer drops every frame that comes after its time: a
    // longer clip of fewer frames gives the decoder time to catch up.
    {"Picture4K", {.name = "picture4k.mp4", .size = "3840x1920", .seconds = 6, .rate = 10}},
    {"Vp9Sound2K",
     {.name = "vp9sound2k.webm",
      .size = "2048x1024",
      .seconds = 6,
      .sound = "-c:a libopus",
      .video = "-c:v libvpx-vp9 -deadline realtime -cpu-used 8 -g 10 -b:v 1M -pix_fmt yuv420p"}},
};

void PrintTo(const Movie& movie, std::ostream* out) { *out << movie.name; }

class HotSpotFlowOnMovie : public HotSpotFlow, public ::testing::WithParamInterface<Movie> {};

TEST_P(HotSpotFlowOnMovie, AddWithTheRealPreviewThenSelectingSeeksBack) {
    const std::filesystem::path clip = makeClip(folder(), GetParam().clip);
    ASSERT_FALSE(clip.empty()) << "ffmpeg made no movie";
    window().show();

    app::QtPreviewPlayer& player = window().player();
    app::PreviewPicture& picture = *player.picture();
    // Every picture handed to the screen; a busy machine drops frames, so the
    // moving picture is judged over the whole clip.
    std::vector<QImage> shown;
    QObject::connect(&picture, &app::PreviewPicture::pictureChanged, &picture,
                     [&] { shown.push_back(picture.picture()); });

    ui::FileDialog::setNextAnswer(QString::fromStdString(clip.string()));
    sendCommand(window(), kLoadMovie1);
    EXPECT_EQ(window().moviePath(1).toStdString(), clip.string());
    EXPECT_EQ(window().settings().loadDir(), folder().string());
    const auto request = ui::FileDialog::lastRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->filter.count(QLatin1Char('|')), 16) << "eight filters";

    ASSERT_TRUE(waitFor([&] { return !shown.empty(); }, 20000)) << "a first picture";
    EXPECT_EQ(shown.front().size(), QSize(picture.width(), picture.width() / 2))
        << "made at the preview's size";
    // The end of the movie hands over an empty picture: that is no movement.
    ASSERT_TRUE(waitFor(
        [&] {
            return std::any_of(shown.begin(), shown.end(),
                               [&](const QImage& p) { return !p.isNull() && p != shown.front(); });
        },
        10000))
        << "the picture moves";
    ASSERT_TRUE(waitFor([&] { return player.position() > 0.5; }, 10000)) << "the position advances";
    EXPECT_TRUE(picture.message().isEmpty());

    sendCommand(window(), slotSelector(3));
    EXPECT_FALSE(control<QCheckBox>(kSelfMode)->isChecked()) << "an empty slot unticks it";
    control<QCheckBox>(kSelfMode)->setChecked(true);
    edit(kLink)->setText(QStringLiteral("  room.html"));
    edit(kHsTitle)->setText(QStringLiteral("Room"));
    control<QSlider>(kYawSlider)->setValue(-90);
    sendCommand(window(), kAddHotSpot);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(player.mediaPlayer()->playbackState(), QMediaPlayer::PausedState);
    const hotspots::HotSpot stored = window().hotSpots().at(3);
    EXPECT_GT(stored.pos, 0.5);
    EXPECT_EQ(stored.yaw, -90);
    EXPECT_EQ(stored.time, 5.0);
    EXPECT_EQ(stored.self, 1);
    EXPECT_EQ(stored.trimmedLink(), "room.html");
    EXPECT_EQ(label(rowYaw(3)), QStringLiteral("-90"));
    EXPECT_FALSE(label(rowPos(3)).isEmpty());

    // Let it run on (to the end of so short a clip, on a busy machine), look
    // elsewhere, then come back to slot 3.
    // (The end holds the last frame, a frame short of the duration.)
    player.play();
    const double end = static_cast<double>(player.mediaPlayer()->duration()) / 1000.0;
    ASSERT_TRUE(waitFor([&] { return player.position() > std::min(stored.pos + 0.25, end - 0.1); }, 10000))
        << "at " << player.position() << " s of " << end;
    sendCommand(window(), slotSelector(1));
    EXPECT_TRUE(edit(kLink)->text().isEmpty());
    EXPECT_EQ(control<QSlider>(kYawSlider)->value(), 0);
    sendCommand(window(), slotSelector(3));
    EXPECT_EQ(edit(kLink)->text(), QStringLiteral("room.html"));
    EXPECT_EQ(edit(kHsTitle)->text(), QStringLiteral("Room"));
    EXPECT_EQ(control<QSlider>(kYawSlider)->value(), -90);
    QWidget* marker = control(kYawMarker);
    EXPECT_EQ(marker->x(), 364);
    // The still frame: play briefly, then back to the position and pause.
    ASSERT_TRUE(
        waitFor([&] { return player.mediaPlayer()->playbackState() == QMediaPlayer::PausedState; }, 5000));
    // A seek lands a little after the pause.
    EXPECT_TRUE(waitFor([&] { return std::abs(player.position() - stored.pos) < 0.3; }, 5000))
        << "paused at " << player.position() << " s";
    // and it shows the movie at that moment (within a tenth of a second and a
    // frame; the square crosses half the width a second).
    const double near = 0.05 + 0.5 / GetParam().clip.rate;
    EXPECT_TRUE(waitFor(
        [&] { return std::abs(squareAt(picture.picture()) - std::fmod(player.position() / 2, 1.0)) < near; },
        5000))
        << "the square at " << squareAt(picture.picture()) << " for " << player.position() << " s";
    // Painted as made, away from the Hot Spot drawn over it at -90.
    const QImage still = picture.picture();
    const QRect rightHalf(still.width() / 2, 0, still.width() / 2, still.height());
    EXPECT_EQ(picture.grab()
                  .toImage()
                  .copy(rightHalf.translated(0, (picture.height() - still.height()) / 2))
                  .convertToFormat(QImage::Format_RGB32),
              still.copy(rightHalf))
        << "painted as made";
    // The marker lies over the movie's picture.
    const QImage drawn = marker->parentWidget()->grab(marker->geometry().adjusted(0, 100, 0, -100)).toImage();
    EXPECT_EQ(drawn.pixelColor(0, drawn.height() / 2), QColor(0, 255, 0));
}

INSTANTIATE_TEST_SUITE_P(Movies, HotSpotFlowOnMovie, ::testing::ValuesIn(kMovies),
                         [](const auto& info) { return std::string(info.param.name); });

// The strip and the preview's keys, on the clip whose square tells its time.
TEST_F(HotSpotFlow, TheStripAndKeysPauseSeekAndStopOnTheLastFrame) {
    const Clip made{.seconds = 3};
    const std::filesystem::path clip = makeClip(folder(), made);
    ASSERT_FALSE(clip.empty()) << "ffmpeg made no movie";
    window().show();
    app::QtPreviewPlayer& player = window().player();
    app::PreviewPicture& picture = *player.picture();
    app::TransportStrip& strip = window().transportStrip();
    ui::FileDialog::setNextAnswer(QString::fromStdString(clip.string()));
    sendCommand(window(), kLoadMovie1);
    QMediaPlayer* media = player.mediaPlayer();
    ASSERT_TRUE(waitFor([&] { return player.position() > 0.3; }, 20000));
    const auto state = [&](QMediaPlayer::PlaybackState s) {
        return waitFor([&] { return media->playbackState() == s; }, 5000);
    };
    // Within a frame of `seconds`, in the position and in the picture.
    const double frame = 1.0 / made.rate;
    const auto shows = [&](double seconds) {
        return waitFor(
            [&] {
                return std::abs(player.position() - seconds) <= frame + 0.001 &&
                       std::abs(squareAt(picture.picture()) - std::fmod(seconds / 2, 1.0)) <=
                           0.5 * frame + 2.0 / picture.width();
            },
            5000);
    };

    QTest::mouseClick(&picture, Qt::LeftButton);
    ASSERT_TRUE(picture.hasFocus()) << "a click gives the preview the keys";
    QTest::keyClick(&picture, Qt::Key_Space);
    ASSERT_TRUE(state(QMediaPlayer::PausedState));
    const double held = player.position();
    EXPECT_FALSE(waitFor([&] { return player.position() != held; }, 300)) << "the paused movie moved";
    // From the start: a loaded machine may have paused it on its last frame, and
    // Play there starts over.
    QTest::keyClick(&picture, Qt::Key_Home);
    ASSERT_TRUE(shows(0)) << player.position();
    QTest::keyClick(&picture, Qt::Key_Space);
    EXPECT_TRUE(waitFor([&] { return player.position() > 0.2; }, 5000)) << "Play does not move it";
    QTest::keyClick(&picture, Qt::Key_Space);
    ASSERT_TRUE(state(QMediaPlayer::PausedState));

    const double last = static_cast<double>(media->duration()) / 1000.0 - frame;
    QTest::keyClick(&picture, Qt::Key_Home);
    EXPECT_TRUE(shows(0)) << player.position();
    QTest::keyClick(&picture, Qt::Key_Period);
    EXPECT_TRUE(shows(frame)) << player.position();
    QTest::keyClick(&picture, Qt::Key_Right);  // 5 s on: no further than the last frame
    EXPECT_TRUE(shows(last)) << player.position();
    QTest::keyClick(&picture, Qt::Key_Comma);
    EXPECT_TRUE(shows(last - frame)) << player.position();
    // A window busy for longer than the media framework waits to hand it a
    // frame still gets the paused movie's picture where the seek went.
    QTest::keyClick(&picture, Qt::Key_Left);
    QThread::msleep(700);
    EXPECT_TRUE(shows(0)) << player.position();

    // Tab goes on into the strip, whose controls take the same keys; the mark follows the focus.
    const auto* host = qobject_cast<QFrame*>(picture.parentWidget());
    EXPECT_EQ(host->frameShadow(), QFrame::Plain) << "no focus mark on the preview";
    QTest::keyClick(&picture, Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_TRUE(focused != nullptr && strip.isAncestorOf(focused));
    EXPECT_EQ(host->frameShadow(), QFrame::Sunken);
    QTest::keyClick(focused, Qt::Key_Period);
    EXPECT_TRUE(shows(frame)) << player.position();

    app::SeekSlider* slider = strip.slider();
    const int x = slider->xOf(1500);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(x, slider->height() / 2));
    EXPECT_TRUE(shows(static_cast<double>(slider->valueAt(x)) / 1000.0)) << player.position();
    EXPECT_EQ(media->playbackState(), QMediaPlayer::PausedState) << "paused as it was";
    // Dragged back and on, the picture follows before the button is let go.
    const int middle = slider->height() / 2;
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(slider->xOf(2500), middle));
    for (const int ms : {500, 2000}) {
        const QPointF to(slider->xOf(ms), middle);
        QMouseEvent move(QEvent::MouseMove, to, slider->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
        EXPECT_TRUE(shows(static_cast<double>(slider->valueAt(slider->xOf(ms))) / 1000.0)) << ms;
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(slider->xOf(2000), middle));

    // Slot 4's bar does what its selector does.
    hotspots::HotSpot& spot = window().hotSpots().at(4);
    spot.setLink("room.html");
    spot.pos = 2.0;
    sendCommand(window(), slotSelector(1));
    app::SlotLane* lane = strip.lane();
    QTest::mouseClick(lane, Qt::LeftButton, {}, QPoint(lane->xOf(2000), lane->height() / 2));
    EXPECT_EQ(window().editor().currentSlot(), 4);
    EXPECT_EQ(edit(kLink)->text(), QStringLiteral("room.html"));
    // The slot's still frame: played briefly, then paused there.
    ASSERT_TRUE(state(QMediaPlayer::PausedState));
    EXPECT_TRUE(shows(2.0)) << player.position();

    // The end stops on the last frame; Play starts again from the start.
    QTest::keyClick(&picture, Qt::Key_Home);
    QTest::mouseClick(strip.playButton(), Qt::LeftButton);
    ASSERT_TRUE(waitFor(
        [&] { return media->playbackState() == QMediaPlayer::PausedState && player.position() > 2.0; },
        10000))
        << media->playbackState() << " " << media->mediaStatus() << " " << player.position();
    EXPECT_TRUE(shows(last)) << player.position();
    QTest::mouseClick(strip.playButton(), Qt::LeftButton);
    EXPECT_TRUE(waitFor(
        [&] { return media->playbackState() == QMediaPlayer::PlayingState && player.position() < 1.5; },
        5000));
    EXPECT_TRUE(strip.timeText().endsWith(QStringLiteral(" / 0:03"))) << strip.timeText().toStdString();
}

// A project with a Hot Spot plays its main movie; a publish leaves the frame
// where the movie was, paused; Options by default leaves no picture.
TEST_F(HotSpotFlow, TheProjectPlaysPublishingHoldsItsFrameAndDefaultsEmptyIt) {
    const std::filesystem::path clip = makeClip(folder(), {.seconds = 4});
    ASSERT_FALSE(clip.empty()) << "ffmpeg made no movie";
    hotspots::HotSpotList spots;
    spots.at(2).setLink("room.html");
    spots.at(2).pos = 0.5;
    spots.at(2).time = 5;
    const std::filesystem::path project = folder() / "tour.hs5";
    ASSERT_TRUE(model::saveProject(project, {}, {clip.string(), "", ""}, spots).ok());
    window().show();
    app::QtPreviewPlayer& player = window().player();
    app::PreviewPicture& picture = *player.picture();

    window().openFiles({project});
    ASSERT_TRUE(waitFor([&] { return player.position() > 1.0; }, 20000)) << "still at " << player.position();
    EXPECT_EQ(player.mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);

    ui::FileDialog::setNextAnswer(QString::fromStdString((folder() / "site" / "tour.html").string()));
    const double at = player.position();
    commandToEnd(kPublish);
    ASSERT_EQ(texts().back(), "Publishing succeeded");
    ASSERT_TRUE(
        waitFor([&] { return player.mediaPlayer()->playbackState() == QMediaPlayer::PausedState; }, 5000));
    EXPECT_NEAR(player.position(), at, 0.3);
    const double near = 0.05 + 0.5 / Clip{}.rate;
    EXPECT_TRUE(waitFor(
        [&] { return std::abs(squareAt(picture.picture()) - std::fmod(player.position() / 2, 1.0)) < near; },
        5000))
        << "the square at " << squareAt(picture.picture()) << " for " << player.position() << " s; "
        << picture.message().toStdString() << (picture.picture().isNull() ? " no picture" : " a picture")
        << " state " << player.mediaPlayer()->playbackState() << " status "
        << player.mediaPlayer()->mediaStatus() << " error "
        << player.mediaPlayer()->errorString().toStdString();

    sendCommand(window(), kOptionsByDefault);
    EXPECT_TRUE(texts().empty()) << "nothing changed, nothing asked";
    EXPECT_TRUE(picture.picture().isNull());
    EXPECT_NE(player.mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);
}

// Files the preview cannot play: its area says so, naming the file and the
// media framework's reason, and the path stays in its slot.
TEST_F(HotSpotFlow, AMovieThatCannotPlayIsSaidInThePreview) {
    const std::filesystem::path good = makeClip(folder(), {.seconds = 1});
    const std::filesystem::path noDecoder =
        makeClip(folder(), {.name = "utvideo.mov", .seconds = 1, .video = "-c:v utvideo"});
    ASSERT_FALSE(good.empty() || noDecoder.empty()) << "ffmpeg made no movie";
    const std::filesystem::path truncated = folder() / "truncated.mp4";
    std::filesystem::copy_file(good, truncated);
    std::filesystem::resize_file(truncated, std::filesystem::file_size(good) / 2);
    const std::filesystem::path notMovie = folder() / "notes.mp4";
    std::ofstream(notMovie) << "These are notes, not a movie.\n";
    window().show();
    app::PreviewPicture& picture = *window().player().picture();

    for (const std::filesystem::path& bad : {truncated, notMovie, noDecoder}) {
        const QString path = QString::fromStdString(bad.string());
        ui::FileDialog::setNextAnswer(path);
        sendCommand(window(), kLoadMovie1);
        ASSERT_TRUE(waitFor([&] { return !picture.message().isEmpty(); }, 20000)) << bad;
        const QString prefix = QStringLiteral("Cannot play ") + path + QStringLiteral(": ");
        EXPECT_TRUE(picture.message().startsWith(prefix)) << picture.message().toStdString();
        EXPECT_GT(picture.message().size(), prefix.size() + 3) << "a reason follows";
        EXPECT_TRUE(picture.picture().isNull());
        EXPECT_EQ(window().moviePath(1), path) << "the path stays in its slot";
    }
    // The message is painted where the picture would be: light letters on black.
    const QImage shown = picture.grab().toImage();
    int light = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) light += qGray(shown.pixel(x, y)) > 160 ? 1 : 0;
    EXPECT_GT(light, 100);

    ui::FileDialog::setNextAnswer(QString::fromStdString(good.string()));
    sendCommand(window(), kLoadMovie1);
    EXPECT_TRUE(picture.message().isEmpty()) << "a new movie clears it";
    EXPECT_TRUE(waitFor([&] { return !picture.picture().isNull(); }, 20000));
    EXPECT_TRUE(picture.message().isEmpty());
}

// Frames of a movie still on their way when the next is loaded never follow
// the next one's first picture: loading during playback and during a seek.
TEST_F(HotSpotFlow, NoPictureOfTheOldMovieAfterTheNewOnesFirst) {
    const std::filesystem::path old = makeClip(folder(), {.name = "old.mp4", .size = "2048x1024"});
    const std::filesystem::path blue =
        makeClip(folder(), {.name = "blue.mp4", .size = "1024x512", .background = "blue", .square = false});
    ASSERT_FALSE(old.empty() || blue.empty()) << "ffmpeg made no movie";
    window().show();
    app::QtPreviewPlayer& player = window().player();
    app::PreviewPicture& picture = *player.picture();
    const auto isBlue = [](const QImage& image) {
        for (const QPoint at : {QPoint(10, 10), QPoint(200, 100), QPoint(430, 210)}) {
            const QColor c = image.pixelColor(at);
            if (c.blue() < 180 || c.red() > 80 || c.green() > 80) return false;
        }
        return true;
    };
    std::vector<bool> shown;
    QObject::connect(&picture, &app::PreviewPicture::pictureChanged, &picture, [&] {
        if (!picture.picture().isNull()) shown.push_back(isBlue(picture.picture()));
    });

    for (const bool seeking : {false, true}) {
        player.open(old.string());
        player.play();
        ASSERT_TRUE(waitFor([&] { return player.position() > 0.3 && picture.framesShown() > 0; }, 20000));
        shown.clear();
        if (seeking) player.setPosition(1.5);
        player.open(blue.string());
        player.play();
        ASSERT_TRUE(waitFor([&] { return player.position() > 0.5; }, 20000));
        const auto firstBlue = std::find(shown.begin(), shown.end(), true);
        ASSERT_NE(firstBlue, shown.end()) << "the new movie shows";
        EXPECT_EQ(std::find(firstBlue, shown.end(), false), shown.end())
            << (seeking ? "during a seek" : "while playing");
    }
}

// A top-bottom movie (red over blue, marked so by ffmpeg) fills the choice;
// the preview shows its top eye. Choosing 180 moves the marker onto the
// square eye and refuses a yaw off it; the settings (and so the project) get it.
TEST_F(HotSpotFlow, AStereoMovieFillsTheChoiceAndThePreviewShowsItsTopEye) {
    const std::filesystem::path movie = makeClip(
        folder(), {.name = "stereo.webm",
                   .size = "512x512",
                   .background = "blue",
                   .square = false,
                   .video = "-vf drawbox=x=0:y=0:w=iw:h=ih/2:color=red:t=fill -c:v libvpx -deadline realtime "
                            "-b:v 1M -metadata:s:v stereo_mode=top_bottom"});
    ASSERT_FALSE(movie.empty()) << "ffmpeg made no movie";
    window().show();
    window().openFiles({movie});
    auto* layout = control<QComboBox>(kStereoLayout);
    auto* field = control<QComboBox>(kField);
    ASSERT_TRUE(waitFor([&] { return layout->currentText() == QStringLiteral("Top-bottom"); }, 20000));
    EXPECT_EQ(field->currentText(), QStringLiteral("360"));
    const app::PreviewPicture& picture = *window().player().picture();
    const auto topEyeOnly = [&] {
        const QImage image = picture.picture();
        if (image.isNull() || image.width() != 2 * image.height()) return false;
        for (const QPoint at : {QPoint(4, 4), QPoint(image.width() / 2, image.height() - 4)}) {
            const QColor c = image.pixelColor(at);
            if (c.red() < 180 || c.blue() > 80) return false;
        }
        return true;
    };
    EXPECT_TRUE(waitFor(topEyeOnly, 20000)) << "a red 2:1 picture, no blue";

    field->setCurrentIndex(1);
    emit field->activated(1);
    EXPECT_TRUE(window().windowTitle().contains(QLatin1Char('*')));
    auto* slider = control<QSlider>(kYawSlider);
    slider->setValue(90);
    const QWidget* marker = control(kYawMarker);
    const QRect preview = control(kPreview)->geometry();
    EXPECT_NEAR(marker->x(), preview.center().x() + preview.height() / 2, 6)
        << "90 is the square's right edge";
    slider->setValue(120);
    edit(kLink)->setText(QStringLiteral("a.html"));
    sendCommand(window(), kAddHotSpot);
    EXPECT_EQ(texts(), std::vector<std::string>{std::string(hotspots::texts::kYawOffPicture)});
    EXPECT_EQ(window().settings().read().movieFormat,
              (movies::MovieFormat{movies::StereoLayout::TopBottom, movies::kHalfField}));
}

// A movie whose colours say where they lie: red grows with yaw, green with
// depth below the top, and blue fills the band from yaw -20 to 20.
TEST_F(HotSpotFlow, TheLookAroundViewShowsWhatAVisitorSeesAndPlacesHotSpots) {
    const std::filesystem::path movie =
        makeClip(folder(), {.name = "directions.mp4",
                            .size = "720x360",
                            .seconds = 2,
                            .square = false,
                            .video = "-vf \"geq=r='255*X/W':g='255*Y/H':b='255*between(X,W*4/9,W*5/9)'\" "
                                     "-c:v libx264 -preset ultrafast -crf 8 -pix_fmt yuv420p"});
    ASSERT_FALSE(movie.empty()) << "ffmpeg made no movie";
    window().show();
    app::PreviewPicture& picture = *window().player().picture();
    window().openFiles({movie});
    const auto bandShare = [&] {
        const QImage image = picture.picture();
        int band = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) band += image.pixelColor(x, y).blue() > 128 ? 1 : 0;
        }
        return static_cast<double>(band) / std::max<qsizetype>(1, image.width() * image.height());
    };
    // A picture drawn after `change`.
    const auto drawnAfter = [&](const std::function<void()>& change) {
        const int shown = picture.framesShown();
        change();
        return waitFor([&] { return picture.framesShown() > shown && !picture.picture().isNull(); }, 10000);
    };
    // The colour in the middle of the view: the yaw and the pitch it stands for.
    const auto middle = [&] {
        const QImage image = picture.picture();
        const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
        return hotspots::Direction{c.red() * 360.0 / 255 - 180, 90 - c.green() * 180.0 / 255};
    };
    ASSERT_TRUE(drawnAfter([] {}));
    const double flatShare = bandShare();
    EXPECT_NEAR(flatShare, 1.0 / 9, 0.02);
    model::ViewerSettings s = window().settings().read();
    s.setPosition(model::ListField::Zoom, 3);  // 60 degrees high
    window().settings().write(s);

    ASSERT_TRUE(drawnAfter([&] { QTest::keyClick(&picture, Qt::Key_V); }));
    ASSERT_TRUE(picture.lookingAround());
    EXPECT_TRUE(waitFor([&] { return bandShare() > 2 * flatShare; }, 5000))
        << "the band looks as near as it is";

    // 100 pixels to the left turns the view 10 degrees right at the page's mouse speed.
    const QPointF from(picture.width() / 2.0, picture.height() / 2.0);
    QTest::mousePress(&picture, Qt::LeftButton, {}, from.toPoint());
    QMouseEvent move(QEvent::MouseMove, from - QPointF(100, 0), picture.mapToGlobal(from - QPointF(100, 0)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&picture, &move);
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, (from - QPointF(100, 0)).toPoint());
    EXPECT_NEAR(picture.view().at.yaw, 10, 0.01);
    EXPECT_TRUE(waitFor([&] { return std::abs(middle().yaw - 10) < 4; }, 5000)) << middle().yaw;

    // Home: where the visitor starts, here a quarter turn round and 30 degrees up.
    s.setPosition(model::ListField::StartYaw, 5);  // " 90 degree"
    s.setPosition(model::ListField::Pitch, 2);     // " 30 degree"
    window().settings().write(s);
    QTest::keyClick(&picture, Qt::Key_Home);
    EXPECT_TRUE(
        waitFor([&] { return std::abs(middle().yaw - 90) < 4 && std::abs(middle().pitch - 30) < 4; }, 5000))
        << middle().yaw << " " << middle().pitch;

    // Back to the flat picture; a double-click there turns the current slot.
    ASSERT_TRUE(drawnAfter([&] { QTest::keyClick(&picture, Qt::Key_V); }));
    ASSERT_FALSE(picture.lookingAround());
    hotspots::HotSpot& spot = window().hotSpots().at(1);
    spot.setLink("room.html");
    spot.pos = 0.01;
    spot.time = 100;
    sendCommand(window(), slotSelector(1));
    const QSize shown = picture.picture().deviceIndependentSize().toSize();
    const QPoint corner((picture.width() - shown.width()) / 2, (picture.height() - shown.height()) / 2);
    QTest::mouseDClick(&picture, Qt::LeftButton, {},
                       corner + QPoint(shown.width() * 3 / 4, shown.height() / 4));
    EXPECT_NEAR(spot.yaw, 90, 2);
    EXPECT_NEAR(spot.pitch, 45, 2);
    EXPECT_NEAR(control<QSlider>(kYawSlider)->value(), 90, 2);
    EXPECT_NEAR(window().editor().currentPitch(), 45, 2);
}

TEST_F(HotSpotFlow, TheThreeRefusalsInTheirOrder) {
    // Empty link first; the preview is not even asked.
    edit(kLink)->setText(QStringLiteral("   "));
    sendCommand(window(), kAddHotSpot);
    EXPECT_EQ(texts(), std::vector<std::string>{"The link of Hot Spot is empty"});
    // No movie: position 0.
    edit(kLink)->setText(QStringLiteral("a.html"));
    sendCommand(window(), kAddHotSpot);
    EXPECT_EQ(texts(),
              std::vector<std::string>{"Current Hot Spot position in movie stream cannot be - \"0\""});
    EXPECT_EQ(window().hotSpots(), hotspots::HotSpotList{});

    const std::filesystem::path clip = makeClip(folder(), {.seconds = 4});
    ASSERT_FALSE(clip.empty()) << "ffmpeg made no movie";
    window().player().open(clip.string());
    window().player().play();
    ASSERT_TRUE(waitFor([&] { return window().player().position() > 0.5; }, 15000));
    for (const char* time : {"0", "abc", ""}) {
        edit(rowTime(1))->setText(QString::fromUtf8(time));
        sendCommand(window(), kAddHotSpot);
        EXPECT_EQ(texts(), std::vector<std::string>{"The time for shown a Hot Spot is not determined"})
            << time;
    }
    EXPECT_EQ(window().hotSpots(), hotspots::HotSpotList{});
    edit(rowTime(1))->setText(QStringLiteral("12abc"));
    sendCommand(window(), kAddHotSpot);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(window().hotSpots().at(1).time, 12.0);
    EXPECT_EQ(edit(rowTime(1))->text(), QStringLiteral("12abc")) << "the box keeps what was typed";
}

TEST_F(HotSpotFlow, ClearOneSlotAndClearAll) {
    for (const int n : {2, 4}) {
        hotspots::HotSpot& spot = window().hotSpots().at(n);
        spot.setLink("x.html");
        spot.pos = 1.5;
        spot.time = 7;
    }
    sendCommand(window(), slotSelector(4));
    EXPECT_EQ(edit(rowTime(4))->text(), QStringLiteral("7.0"));
    control<QCheckBox>(kSelfMode)->setChecked(true);
    sendCommand(window(), kClearHotSpot);
    EXPECT_FALSE(window().hotSpots().at(4).inUse());
    EXPECT_TRUE(window().hotSpots().at(2).inUse());
    EXPECT_TRUE(label(rowPos(4)).isEmpty());
    EXPECT_EQ(edit(rowTime(4))->text(), QStringLiteral("5.0"));
    EXPECT_TRUE(control<QCheckBox>(slotSelector(4))->isChecked()) << "slot 4 stays selected";
    EXPECT_TRUE(control<QCheckBox>(kSelfMode)->isChecked());

    sendCommand(window(), kClearAllHotSpots);
    EXPECT_EQ(window().hotSpots(), hotspots::HotSpotList{});
    EXPECT_TRUE(control<QCheckBox>(slotSelector(1))->isChecked());
    EXPECT_FALSE(control<QCheckBox>(slotSelector(4))->isChecked());
    EXPECT_EQ(window().editor().currentSlot(), 1);
}

TEST_F(HotSpotFlow, YawMarkerFollowsTheSlider) {
    auto* slider = control<QSlider>(kYawSlider);
    // The slider's range spread over the preview, halves rounded to even.
    const std::pair<int, int> places[] = {{-179, 256}, {-178, 257}, {-1, 472},  {0, 473},
                                          {1, 474},    {179, 690},  {180, 691}, {90, 582}};
    for (const auto& [yaw, x] : places) {
        slider->setValue(yaw);
        EXPECT_EQ(window().editor().currentYaw(), yaw);
        EXPECT_EQ(control(kYawMarker)->geometry(), QRect(x, 198, 2, 220)) << yaw;
    }
    // A slider move is no command: it does not tick.
    const int ticks = window().tick().playCount();
    slider->setValue(30);
    EXPECT_EQ(window().tick().playCount(), ticks);
}

TEST(HotSpotPanel, AStillFramePlaysThenHoldsTheFrameAndRedrawsTheMarker) {
    QWidget parent;
    hotspots::testing::FakePlayer player;
    using Calls = std::vector<hotspots::testing::PlayerCall>;
    const auto marker = [&] { return ui::findControl(&parent, kYawMarker); };
    {
        app::HotSpotPanel panel(&parent, player, {}, [](int) {});
        EXPECT_EQ(marker()->x(), app::kMarkerStartX);
        panel.showMarkerAt(-179);
        panel.holdStillFrame(63.75);
        EXPECT_EQ(player.calls, (Calls{{"setPosition", 63.75}, {"play"}})) << "the first half at once";
        marker()->move(0, 0);  // as if the frame had covered it
        ASSERT_TRUE(waitFor([&] { return player.calls.size() == 4; }, 5000));
        EXPECT_EQ(player.calls, (Calls{{"setPosition", 63.75}, {"play"}, {"setPosition", 63.75}, {"pause"}}));
        EXPECT_EQ(marker()->x(), 256);

        player.calls.clear();
        panel.holdStillFrame(4);
    }
    // The panel went before its second half: nothing more reaches the player.
    QTest::qWait(2 * static_cast<int>(app::kStillFrameDelay.count()));
    EXPECT_EQ(player.calls, (Calls{{"setPosition", 4}, {"play"}}));
}

}  // namespace
}  // namespace tessaly::gui_test
