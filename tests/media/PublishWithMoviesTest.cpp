// Publishing real movies, from core and from the command line.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "../core/ScratchFolder.h"
#include "TestMovies.h"
#include "cli/Verbs.h"
#include "core/model/AppState.h"
#include "core/model/ProjectFile.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "core/publish/Publisher.h"
#include "media/AmbisonicBox.h"
#include "media/LibavMovieTools.h"
#include "media/ReadMovieInfo.h"

extern char** environ;

using namespace tessaly;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

class PublishWithMovies : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test_support::scratchFolder("publish-movies",
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { fs::remove_all(dir); }

    // A project in dir with this movie in slot 1 and these captions chosen.
    fs::path project(const fs::path& movie, const movies::ChosenCaptions& captions = {}) {
        model::AppState state = model::startState(dir.string(), {});
        state.movies = {movie.string(), "", ""};
        state.settings.captions = captions;
        const fs::path path = dir / "tour.hs5";
        EXPECT_TRUE(model::saveProject(path, state.settings, state.movies, state.hotSpots).ok());
        return path;
    }
    // A short movie as tour.mp4 in `folder`, where caption files go beside it; empty without ffmpeg.
    static fs::path tourMovie(const fs::path& folder) {
        const fs::path made = test_support::testMovie("late.mp4");
        if (made.empty()) return {};
        fs::create_directories(folder);
        fs::copy_file(made, folder / "tour.mp4");
        return folder / "tour.mp4";
    }
    int publish(const cli::Arguments& args) {
        std::ostringstream out;
        err.str("");
        return cli::runPublish(args, out, err);
    }

    fs::path dir;
    std::ostringstream err;
};

}  // namespace

TEST_F(PublishWithMovies, AMovieAlreadyInThePageFolderIsLeftAsItIsAndTheWarningSaysSo) {
    const fs::path late = test_support::testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path inPlace = dir / "site" / "late.mp4";
    fs::create_directories(inPlace.parent_path());
    fs::copy_file(late, inPlace);
    const std::string before = platform::readFile(inPlace).value();
    ASSERT_EQ(publish({project(inPlace).string(), (dir / "site" / "index.html").string()}), 0) << err.str();
    EXPECT_EQ(
        err.str(),
        "tessaly: These movies may not play on the published page:\n"
        "tessaly: Slot 1, late.mp4: has its index at the end, so browsers load the whole file before the "
        "first frame (it already lies in the page folder, where publishing leaves it as it is)\n"
        "tessaly: Publishing succeeded\n");
    EXPECT_EQ(platform::readFile(inPlace).value(), before);
    EXPECT_EQ(media::inspectMovie(inPlace).indexAtFront, false);
    // Not mended, so not published under --strict.
    EXPECT_EQ(publish({project(inPlace).string(), (dir / "site" / "index.html").string(), "--strict"}), 1);
}

// A Hot Spot timed past the movie's end: named before anything is written,
// refused by --strict, published with the warning without it.
TEST_F(PublishWithMovies, AHotSpotPastTheEndIsNamedAndStopsStrict) {
    const fs::path good = test_support::testMovie("good.mp4");
    if (good.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    model::AppState state = model::startState(dir.string(), {});
    state.movies = {good.string(), "", ""};
    state.hotSpots.at(3) = hotspots::HotSpot::make("next.html", "Door", 0, 13.6, 2, 0);
    ASSERT_TRUE(model::saveProject(dir / "tour.hs5", state.settings, state.movies, state.hotSpots).ok());
    const std::string warning =
        "tessaly: The page and its movies do not match:\n"
        "tessaly: Hot Spot 3 (Door) at 13.6 s lies past the end of slot 1's movie (";

    EXPECT_EQ(publish({(dir / "tour.hs5").string(), (dir / "site" / "index.html").string(), "--strict"}), 1);
    EXPECT_TRUE(err.str().starts_with(warning)) << err.str();
    EXPECT_TRUE(err.str().ends_with("tessaly: nothing published (--strict)\n")) << err.str();
    EXPECT_FALSE(fs::exists(dir / "site"));

    EXPECT_EQ(publish({(dir / "tour.hs5").string(), (dir / "site" / "index.html").string()}), 0);
    EXPECT_TRUE(err.str().starts_with(warning)) << err.str();
    EXPECT_TRUE(err.str().ends_with("tessaly: Publishing succeeded\n")) << err.str();
}

// Telemetry, and a few zero bytes closing the index: a layout the relocation
// leaves to the libraries, whose remux would drop the telemetry. The copy is
// the movie as it is, and both the finding and the final message say so.
TEST_F(PublishWithMovies, AnIndexThatCannotBeMovedWithEveryPacketStaysAtTheEndAndTheMessagesSaySo) {
    const fs::path late = test_support::testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path movie = dir / "telemetry.mp4";
    ASSERT_TRUE(test_support::addTelemetry(late, movie));
    std::string bytes = platform::readFile(movie).value();
    const std::size_t moov = bytes.rfind("moov") - 4;
    const std::uint32_t size = static_cast<std::uint32_t>(bytes.size() - moov) + 4;
    for (int i = 0; i < 4; ++i)
        bytes[moov + static_cast<std::size_t>(i)] = static_cast<char>(size >> (24 - 8 * i));
    bytes.append(4, '\0');
    ASSERT_TRUE(platform::writeFileAtomic(movie, bytes).ok());

    ASSERT_EQ(publish({project(movie).string(), (dir / "site" / "index.html").string()}), 0) << err.str();
    EXPECT_EQ(
        err.str(),
        "tessaly: These movies may not play on the published page:\n"
        "tessaly: Slot 1, telemetry.mp4: has its index at the end, so browsers load the whole file before "
        "the first frame (moving it would not have kept every packet: the published copy keeps it at the "
        "end)\n"
        "tessaly: Publishing succeeded\n"
        "tessaly: telemetry.mp4: its index stays at the end of the published copy, so browsers load the "
        "whole file before the first frame (Cannot move the index of " +
            movie.string() +
            ": the libraries' remux would drop a stream it cannot write back (data, such as telemetry "
            "or timecode))\n");
    EXPECT_TRUE(platform::readFile(dir / "site" / "telemetry.mp4").value() == bytes);
}

// The index is at the front only before every chunk of every track; however
// little data comes before it, the published copy gets it first with the same
// packets, and the movie itself stays as it was.
TEST_F(PublishWithMovies, TheIndexIsAtTheFrontOnlyBeforeAllDataAndThePublishedCopyHasItThere) {
    const fs::path good = test_support::testMovie("good.mp4"), late = test_support::testMovie("late.mp4");
    if (good.empty() || late.empty()) GTEST_SKIP() << "ffmpeg could not make the movies";
    const struct {
        std::string name;
        double shareBefore;  // of the chunks, before the index; below 0: the movie as ffmpeg made it
    } cases[] = {
        {"good.mp4", -1}, {"late.mp4", -1}, {"half.mp4", 0.5}, {"last-after.mp4", 1}, {"stray.mp4", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path movie = c.shareBefore < 0 ? test_support::testMovie(c.name) : dir / c.name;
        ASSERT_TRUE(c.shareBefore < 0 || test_support::splitData(good, c.shareBefore, movie));
        const std::string before = platform::readFile(movie).value();
        EXPECT_EQ(media::inspectMovie(movie).indexAtFront, c.name == "good.mp4");
        const fs::path site = dir / ("site-" + c.name);
        ASSERT_EQ(publish({project(movie).string(), (site / "index.html").string()}), 0) << err.str();
        EXPECT_EQ(err.str().find("has its index at the end") == std::string::npos, c.name == "good.mp4");
        EXPECT_EQ(media::inspectMovie(site / c.name).indexAtFront, true);
        EXPECT_EQ(test_support::packetsOf(site / c.name), test_support::packetsOf(movie));
        EXPECT_EQ(platform::readFile(movie).value(), before);
        EXPECT_EQ(test_support::entryNames(site).size(), 4u);  // images, js, the page and the movie
    }
}

// An interrupted download: the index in front, the last 40% of the data gone.
TEST_F(PublishWithMovies, AMovieCutShortIsNamedWithWhereItsDataEndsAndStrictRefusesIt) {
    const fs::path good = test_support::testMovie("good.mp4");
    if (good.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const std::string bytes = platform::readFile(good).value();
    const fs::path movie = dir / "cut.mp4";
    ASSERT_TRUE(platform::writeFileAtomic(movie, bytes.substr(0, bytes.size() * 6 / 10)).ok());
    const movies::MovieInfo info = media::inspectMovie(movie);
    EXPECT_NEAR(info.dataEnds.value_or(-1), 0.55 * info.duration, 0.15 * info.duration);
    EXPECT_NE(movies::movieSummary(info).find(", cut short: data ends at 0:01 of 0:02"), std::string::npos);
    for (const bool strict : {true, false}) {
        cli::Arguments args{project(movie).string(), (dir / "site" / "index.html").string()};
        if (strict) args.push_back("--strict");
        EXPECT_EQ(publish(args), strict ? 1 : 0);
        EXPECT_NE(err.str().find("tessaly: Slot 1, cut.mp4: is cut short: its data ends at 0:01 of 0:02"),
                  std::string::npos)
            << err.str();
        EXPECT_EQ(fs::exists(dir / "site"), !strict);
    }
}

TEST_F(PublishWithMovies, TheCommandLineWarnsAndGoesOn) {
    const fs::path hevc = test_support::testMovie("hevc.mp4");
    if (hevc.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    ASSERT_EQ(publish({project(hevc).string(), (dir / "site" / "index.html").string()}), 0);
    EXPECT_EQ(
        err.str(),
        "tessaly: These movies may not play on the published page:\n"
        "tessaly: Slot 1, hevc.mp4: is HEVC, which most browsers cannot play (H.264, VP8, VP9 and AV1 play)\n"
        "tessaly: Publishing succeeded\n");
}

TEST_F(PublishWithMovies, StrictStopsBeforeAnythingIsWritten) {
    const fs::path hevc = test_support::testMovie("hevc.mp4");
    const fs::path late = test_support::testMovie("late.mp4");
    if (hevc.empty() || late.empty()) GTEST_SKIP() << "ffmpeg could not make the movies";
    EXPECT_EQ(publish({project(hevc).string(), (dir / "site" / "index.html").string(), "--strict"}), 1);
    EXPECT_TRUE(err.str().ends_with("tessaly: nothing published (--strict)\n")) << err.str();
    EXPECT_FALSE(fs::exists(dir / "site"));

    // What publishing mends is no reason to stop.
    EXPECT_EQ(publish({project(late).string(), (dir / "site" / "index.html").string(), "--strict"}), 0)
        << err.str();
}

TEST(InspectVerb, PrintsTheSummaryOrJson) {
    const fs::path good = test_support::testMovie("good.mp4");
    if (good.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    std::ostringstream out, err;
    ASSERT_EQ(cli::runInspect({good.string()}, out, err), 0);
    const movies::MovieInfo read = media::inspectMovie(good);
    ASSERT_TRUE(read.codecString.starts_with("avc1.64")) << read.codecString;
    EXPECT_EQ(out.str(), "MP4, H.264 High (" + read.codecString + ") 1024x512, 25 fps, 0:02, " +
                             movies::bitRateText(read.bitRate) + ", AAC, index at the front\n");
    out.str("");
    ASSERT_EQ(cli::runInspect({good.string(), "--json"}, out, err), 0);
    EXPECT_TRUE(out.str().starts_with("{\"file\":\"" + good.string() + "\",\"container\":\"MP4\""))
        << out.str();
    EXPECT_NE(out.str().find(",\"codecs\":\"" + read.codecString + "\","), std::string::npos) << out.str();
    EXPECT_EQ(err.str(), "");

    out.str("");
    EXPECT_EQ(cli::runInspect({good.string(), "/no/such.mp4"}, out, err), 1);
    EXPECT_EQ(err.str(), "tessaly: Cannot read /no/such.mp4: No such file or directory\n");
    EXPECT_TRUE(out.str().starts_with(good.string() + ": MP4, ")) << out.str();
}

// Ctrl+C while the libraries read a header that takes them seconds: the
// reading ends at once, and the publish with it, leaving nothing behind.
TEST_F(PublishWithMovies, CtrlCEndsASlowHeaderReadAtOnce) {
    const fs::path fragmented = test_support::testMovie("fragmented.mp4");
    if (fragmented.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path slow = dir / "slow.mp4", site = dir / "site";
    ASSERT_TRUE(test_support::manyFragments(fragmented, 300000, slow));
    std::string program = TESSALY_CLI, verb = "publish", tour = project(slow).string(),
                page = (site / "index.html").string();
    char* argv[] = {program.data(), verb.data(), tour.data(), page.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, (dir / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t child = 0;
    ASSERT_EQ(::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);

    // Under way once the movie library is loaded and holds the movie open.
    const fs::path proc = "/proc/" + std::to_string(child);
    const auto reading = [&] {
        std::ostringstream maps;
        maps << std::ifstream(proc / "maps").rdbuf();
        std::error_code ec;
        if (maps.str().find("libtessaly-media.so") == std::string::npos) return false;
        for (const auto& fd : fs::directory_iterator(proc / "fd", ec))
            if (fs::read_symlink(fd.path(), ec) == slow) return true;
        return false;
    };
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (!reading() && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(::kill(child, SIGINT), 0);
    int status = 0;
    struct rusage used {};
    ASSERT_EQ(::wait4(child, &status, 0, &used), child);
    // The processor time the publish took in all, which a busy machine does not
    // stretch as it stretches the clock: a fraction of a second, where reading
    // the whole header takes several.
    const auto cpu = std::chrono::seconds(used.ru_utime.tv_sec + used.ru_stime.tv_sec) +
                     std::chrono::microseconds(used.ru_utime.tv_usec + used.ru_stime.tv_usec);
    EXPECT_LT(cpu, std::chrono::milliseconds(1500));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    EXPECT_NE(platform::readFile(dir / "stderr").value().find("tessaly: Publishing cancelled\n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(site));
}

// The page tells its viewer what each version is; a page with one movie stays as it was.
TEST_F(PublishWithMovies, ThePageDescribesEachVersionWhenThereIsAChoice) {
    const fs::path good = test_support::testMovie("good.mp4");
    const fs::path vp9 = dir / "small.webm";
    if (good.empty() ||
        !test_support::runFfmpeg("-f lavfi -i testsrc=size=512x256:rate=25 -t 0.4 -c:v libvpx-vp9 " +
                                 vp9.string()))
        GTEST_SKIP() << "ffmpeg could not make the movies";
    model::AppState state = model::startState(dir.string(), {});
    state.movies = {good.string(), vp9.string(), ""};
    ASSERT_TRUE(model::saveProject(dir / "two.hs5", state.settings, state.movies, state.hotSpots).ok());
    ASSERT_EQ(publish({(dir / "two.hs5").string(), (dir / "site" / "index.html").string()}), 0) << err.str();
    const std::string page = platform::readFile(dir / "site" / "index.html").value();
    const movies::MovieInfo main = media::inspectMovie(good);
    EXPECT_NE(page.find("<SOURCE src=\"good.mp4\" type='video/mp4' data-width=\"1024\" data-height=\"512\" "
                        "data-fps=\"25\" data-bitrate=\"" +
                        std::to_string(main.bitRate) + "\" data-codecs=\"" + main.codecString + "\"/>"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("data-width=\"512\" data-height=\"256\" data-fps=\"25\""), std::string::npos);

    ASSERT_EQ(publish({project(good).string(), (dir / "one" / "index.html").string()}), 0) << err.str();
    EXPECT_EQ(platform::readFile(dir / "one" / "index.html").value().find("data-"), std::string::npos);
}

// Ambisonic sound is named on its movie's line, even where it is the only one.
TEST_F(PublishWithMovies, ThePageNamesAmbisonicSound) {
    const fs::path quad = test_support::testMovie("quad.mp4");
    if (quad.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path ambix = dir / "ambix.mp4";
    ASSERT_TRUE(test_support::markAmbisonic(quad, ambix));
    ASSERT_EQ(publish({project(ambix).string(), (dir / "site" / "index.html").string()}), 0) << err.str();
    EXPECT_NE(platform::readFile(dir / "site" / "index.html")
                  .value()
                  .find("<SOURCE src=\"ambix.mp4\" type='video/mp4' data-audio=\"ambix\"/>"),
              std::string::npos);
}

// The captions beside the movie go beside the page as WebVTT, one track line
// each after the movie's sources; the page is otherwise the one published
// without them. One that ends after the movie is named in the strict check.
TEST_F(PublishWithMovies, CaptionsBesideTheMovieArePublishedAsWebVttTracks) {
    const fs::path movie = tourMovie(dir / "movie");
    if (movie.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path tour = project(movie);
    ASSERT_EQ(publish({tour.string(), (dir / "plain" / "index.html").string()}), 0) << err.str();
    const std::string plain = platform::readFile(dir / "plain" / "index.html").value();

    ASSERT_TRUE(platform::writeFileAtomic(movie.parent_path() / "tour.en.vtt",
                                          "WEBVTT\n\n00:00.500 --> 00:01.000\nHello\n")
                    .ok());
    ASSERT_TRUE(platform::writeFileAtomic(movie.parent_path() / "tour.de.srt",
                                          "1\r\n00:00:00,500 --> 00:09:00,000\r\nHallo <i>Welt</i>\r\n")
                    .ok());
    ASSERT_EQ(publish({tour.string(), (dir / "site" / "index.html").string(), "--strict"}), 1);
    EXPECT_NE(err.str().find("Slot 1, tour.de.srt: captions end at 9:00, after the movie (0:0"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(dir / "site"));

    ASSERT_EQ(publish({tour.string(), (dir / "site" / "index.html").string()}), 0) << err.str();
    EXPECT_EQ(platform::readFile(dir / "site" / "tour.en.vtt").value(),
              "WEBVTT\n\n00:00.500 --> 00:01.000\nHello\n");
    EXPECT_EQ(platform::readFile(dir / "site" / "tour.de.vtt").value(),
              "WEBVTT\n\n00:00.500 --> 09:00.000\nHallo <i>Welt</i>\n");
    const std::string tracks =
        "<track kind=\"captions\" src=\"tour.de.vtt\" srclang=\"de\" label=\"Deutsch\">\r\n"
        "<track kind=\"captions\" src=\"tour.en.vtt\" srclang=\"en\" label=\"English\">\r\n";
    std::string expected = plain;
    const std::size_t sources = expected.find("\r\n\r\n\r\n") + 6;  // slots 2 and 3 are empty
    expected.insert(sources, tracks);
    EXPECT_EQ(platform::readFile(dir / "site" / "index.html").value(), expected);
}

// A caption file the library reads no cue from stops the publish by name before anything is written.
TEST_F(PublishWithMovies, CaptionsThatCannotBeReadStopThePublish) {
    const fs::path movie = tourMovie(dir / "movie");
    if (movie.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    ASSERT_TRUE(platform::writeFileAtomic(movie.parent_path() / "tour.fr.srt", "Bonjour\n").ok());
    EXPECT_EQ(publish({project(movie).string(), (dir / "site" / "index.html").string()}), 1);
    EXPECT_NE(err.str().find((movie.parent_path() / "tour.fr.srt").string() + ": holds no caption"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(dir / "site"));
}

// A caption file chosen for a language, named relative to the project, is
// published in place of the one beside the movie; the other languages stay.
// One that cannot be read stops the publish by its name.
TEST_F(PublishWithMovies, ChosenCaptionsStandInForThoseBesideTheMovie) {
    const fs::path movie = tourMovie(dir / "movie");
    if (movie.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    ASSERT_TRUE(platform::writeFileAtomic(movie.parent_path() / "tour.de.vtt",
                                          "WEBVTT\n\n00:00.500 --> 00:01.000\nBeside\n")
                    .ok());
    ASSERT_TRUE(platform::writeFileAtomic(movie.parent_path() / "tour.en.vtt",
                                          "WEBVTT\n\n00:00.500 --> 00:01.000\nHello\n")
                    .ok());
    fs::create_directories(dir / "subs");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "subs" / "german.srt",
                                          "1\r\n00:00:00,250 --> 00:00:01,000\r\nGewählt\r\n")
                    .ok());
    const fs::path tour = project(movie, {{"subs/german.srt", "de"}});
    ASSERT_EQ(publish({tour.string(), (dir / "site" / "index.html").string()}), 0) << err.str();
    EXPECT_EQ(platform::readFile(dir / "site" / "tour.de.vtt").value(),
              "WEBVTT\n\n00:00.250 --> 00:01.000\nGewählt\n");
    EXPECT_EQ(platform::readFile(dir / "site" / "tour.en.vtt").value(),
              "WEBVTT\n\n00:00.500 --> 00:01.000\nHello\n");

    ASSERT_TRUE(platform::writeFileAtomic(dir / "subs" / "broken.srt", "Hallo\n").ok());
    EXPECT_EQ(publish({project(movie, {{"subs/broken.srt", "de"}}).string(),
                       (dir / "other" / "index.html").string()}),
              1);
    EXPECT_NE(err.str().find((dir / "subs" / "broken.srt").string() + ": holds no caption"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(dir / "other"));
}

// Captions already in the page folder under their published name stay as they
// are, notes and all, as the movie beside them does; the page still lists them.
TEST_F(PublishWithMovies, WebVttCaptionsInThePageFolderAreLeftAsTheyAre) {
    const fs::path movie = tourMovie(dir / "site");
    if (movie.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const std::string own = "WEBVTT\n\nNOTE made by hand\n\n00:00.500 --> 00:01.000\nHello\n";
    ASSERT_TRUE(platform::writeFileAtomic(dir / "site" / "tour.en.vtt", own).ok());
    ASSERT_EQ(publish({project(movie).string(), (dir / "site" / "index.html").string()}), 0) << err.str();
    EXPECT_EQ(platform::readFile(dir / "site" / "tour.en.vtt").value(), own);
    EXPECT_NE(
        platform::readFile(dir / "site" / "index.html").value().find("src=\"tour.en.vtt\" srclang=\"en\""),
        std::string::npos);
}
