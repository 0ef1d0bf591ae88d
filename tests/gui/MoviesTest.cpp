// What the window says about the movies: the summary in each row's tooltip,
// the question before publishing movies that will not play well or do not
// match the page, and the note after slot 1 is replaced.

#include <fcntl.h>

#include <QAudioOutput>
#include <QLabel>
#include <QMediaPlayer>

#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "app/MismatchNote.h"
#include "app/QtPreviewPlayer.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "media/AmbisonicBox.h"
#include "media/ReadMovieInfo.h"
#include "ui/FileDialog.h"
#include "ui/MessageLooks.h"
#include "ui/QtPrompts.h"

namespace tessaly::gui_test {
namespace {

namespace fs = std::filesystem;
using namespace app::ids;

}  // namespace

TEST_F(WindowTest, AMovieRowsTooltipSaysWhatTheMovieHolds) {
    const fs::path clip = makeClip(folder(), {.seconds = 1, .rate = 25, .video = "-pix_fmt yuv420p"});
    if (clip.empty()) GTEST_SKIP() << "ffmpeg is needed to make the test movie";
    const QLabel* row = control<QLabel>(kMoviePath2);
    // The movie is read on a worker; the tip comes once it is.
    window().setMoviePath(2, QString::fromStdString(clip.string()));
    ASSERT_TRUE(waitFor([&] { return !row->toolTip().isEmpty(); }, 20000));
    const QString tip = row->toolTip();
    EXPECT_TRUE(tip.startsWith(QString::fromStdString(clip.string()) + QLatin1Char('\n')))
        << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("MP4, H.264 High (avc1.64"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral(") 320x160, 25 fps, 0:01"))) << tip.toStdString();

    window().setMoviePath(2, {});
    EXPECT_EQ(row->toolTip(), QString());
    // A read that ends after the row has changed leaves no tip of the old
    // movie; the rows' tips come in the order they were asked for.
    window().setMoviePath(2, QString::fromStdString(clip.string()));
    window().setMoviePath(2, {});
    window().setMoviePath(3, QString::fromStdString(clip.string()));
    ASSERT_TRUE(waitFor([&] { return !control<QLabel>(kMoviePath3)->toolTip().isEmpty(); }, 20000));
    EXPECT_EQ(row->toolTip(), QString());
}

// Ambisonic sound previews as its first channel alone, in place of the movie's
// own mix; the next movie plays its own sound again.
TEST_F(WindowTest, ThePreviewPlaysAmbisonicSoundAsItsFirstChannel) {
    const fs::path plain = makeClip(folder(), {.seconds = 1, .sound = "-ac 4 -c:a aac"});
    const fs::path ambix = folder() / "ambix.mp4";
    if (plain.empty() || !fs::copy_file(plain, ambix))
        GTEST_SKIP() << "ffmpeg is needed to make the test movie";
    {
        const platform::FileDescriptor fd(::open(ambix.c_str(), O_RDWR | O_CLOEXEC));
        ASSERT_EQ(media::writeAmbisonicMark(fd.get(), media::AmbisonicMark::firstOrder(4)), 0);
    }
    app::QtPreviewPlayer& player = window().player();
    window().openFiles({ambix});
    ASSERT_TRUE(waitFor([&] { return player.firstChannelPlayer() != nullptr; }, 20000));
    EXPECT_TRUE(player.mediaPlayer()->audioOutput()->isMuted());
    window().openFiles({plain});
    EXPECT_EQ(player.firstChannelPlayer(), nullptr);
    EXPECT_FALSE(player.mediaPlayer()->audioOutput()->isMuted());
}

// Movies that will not play well and what does not match the page: one question, before anything is written.
TEST_F(WindowTest, PublishingAsksFirstAboutMoviesThatWillNotPlayWell) {
    const fs::path clip = makeClip(
        folder(),
        {.seconds = 1, .rate = 25, .video = "-pix_fmt yuv420p"});  // ffmpeg leaves the index at the end
    if (clip.empty()) GTEST_SKIP() << "ffmpeg is needed to make the test movie";
    const std::string before = platform::readFile(clip).value();
    window().setMoviePath(1, QString::fromStdString(clip.string()));
    window().hotSpots().at(3).pos = 5;  // past the clip's end
    const fs::path site = folder() / "site";

    ui::QtPrompts::setNextAnswer(false);
    ui::FileDialog::setNextAnswer(QString::fromStdString((site / "index.html").string()));
    commandToEnd(kPublish);
    std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).caption, "Movies for the web");
    EXPECT_NE(shown[0].text.find("\nSlot 1, clip.mp4: has its index at the end"), std::string::npos)
        << shown[0].text;
    EXPECT_NE(shown[0].text.find("\n\nThe page and its movies do not match:\nHot Spot 3 at 5.0 s lies past"),
              std::string::npos)
        << shown[0].text;
    EXPECT_TRUE(shown[0].text.ends_with("\n\nPublish anyway?")) << shown[0].text;
    EXPECT_FALSE(fs::exists(site)) << "Cancel publishes nothing";

    ui::QtPrompts::setNextAnswer(true);
    ui::FileDialog::setNextAnswer(QString::fromStdString((site / "index.html").string()));
    commandToEnd(kPublish);
    shown = messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, "Publishing succeeded");
    EXPECT_EQ(media::inspectMovie(site / "clip.mp4").indexAtFront, true);
    EXPECT_EQ(platform::readFile(clip).value(), before);
}

// Slot 1 replaced: a note, asking nothing, on what now disagrees; gone once nothing does.
TEST_F(WindowTest, ReplacingSlotOneNotesWhatNoLongerMatches) {
    const fs::path longer = makeClip(folder(), {.name = "long.mp4"});
    const fs::path shorter = makeClip(folder(), {.name = "short.mp4", .seconds = 1});
    if (longer.empty() || shorter.empty()) GTEST_SKIP() << "ffmpeg is needed to make the test movies";
    window().setMoviePath(2, QString::fromStdString(longer.string()));
    ASSERT_TRUE(waitFor([&] { return !control<QLabel>(kMoviePath2)->toolTip().isEmpty(); }, 20000));
    window().hotSpots().at(3).pos = 1.5;

    const auto note = [this] { return window().findChild<app::MismatchNote*>(); };
    window().openFiles({shorter});
    ASSERT_TRUE(waitFor([&] { return note() != nullptr && note()->isVisible(); }, 20000));
    const std::string text = note()->text().toStdString();
    EXPECT_NE(text.find("\nHot Spot 3 at 1.5 s lies past the end"), std::string::npos) << text;
    EXPECT_NE(text.find("\nSlot 2, long.mp4: lasts 2.0 s"), std::string::npos) << text;
    EXPECT_TRUE(messages().empty()) << "the note asks nothing";

    window().openFiles({longer});
    EXPECT_TRUE(waitFor([&] { return !note()->isVisible(); }, 20000));
}

TEST_F(WindowTest, MakeWebVersionsPutsThemInSlotsTwoAndThree) {
    const fs::path clip = makeClip(folder(), {.seconds = 1, .rate = 25, .video = "-pix_fmt yuv420p"});
    if (clip.empty()) GTEST_SKIP() << "ffmpeg is needed to make the test movie";
    window().setMoviePath(1, QString::fromStdString(clip.string()));
    window().setMoviePath(3, QStringLiteral("/m/old.webm"));

    toEnd([&] { menuAction(kMakeWebVersions)->trigger(); });
    // The clip is 320 pixels wide: one version, never larger than the movie.
    const fs::path version = folder() / "clip-320x160.mp4";
    const std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Web versions made:\n" + version.string());
    EXPECT_EQ(window().moviePath(2).toStdString(), version.string());
    EXPECT_EQ(window().moviePath(3), QString());
    EXPECT_EQ(media::inspectMovie(version).videoCodec, "h264");
    EXPECT_FALSE(window().encoding());
}

}  // namespace tessaly::gui_test
