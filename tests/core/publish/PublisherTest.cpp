#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "FolderSnapshot.h"
#include "Outcomes.h"
#include "core/platform/Files.h"
#include "core/publish/Assets.h"
#include "core/publish/ConfigScript.h"
#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/Publisher.h"
#include "core/publish/Scrambler.h"

using namespace tessaly;
using namespace tessaly::publish;
namespace fs = std::filesystem;
using Slots = model::MovieSlots;

namespace {

using tessaly::test_support::Outcome;
using tessaly::test_support::outcomeOf;

using Snapshot = test_support::FolderSnapshot;
using test_support::snapshot;

class PublisherTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("tessaly-publisher-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "movies");
        fs::create_directories(dir / "site");
        movie = (dir / "movies" / "tour.mp4").string();
        ASSERT_TRUE(platform::writeFileAtomic(movie, std::string(300000, 'm')).ok());
        hotSpots.at(2).pos = 12.5;
        hotSpots.at(2).time = 5;
        hotSpots.at(2).setLink("door.html");
        page = dir / "site" / "index.html";
    }
    void TearDown() override { fs::remove_all(dir); }

    PublishJob job(const Slots& slots) {
        std::optional<Message> notice;
        return publishJob(slots, page, settings, hotSpots, notice);
    }

    PublishResult publish(const Slots& slots, const std::atomic<bool>* stop = nullptr) {
        PublishControl control;
        control.progress = [this](const fs::path& m, std::uint64_t done, std::uint64_t total) {
            progress.push_back({m.string(), done, total});
            if (stopAfterProgress) stopAfterProgress->store(true);
        };
        control.stop = stop;
        return publish::publish(job(slots), control);
    }

    // Every file under the site folder, as relative paths.
    std::set<std::string> siteFiles() const {
        std::set<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir / "site")) {
            if (!entry.is_directory()) files.insert(fs::relative(entry.path(), dir / "site").string());
        }
        return files;
    }

    std::string site(const std::string& relative) const {
        return platform::readFile(dir / "site" / relative).value();
    }

    struct Progress {
        std::string movie;
        std::uint64_t done, total;
    };

    fs::path dir;
    fs::path page;
    std::string movie;
    model::ViewerSettings settings;
    hotspots::HotSpotList hotSpots;
    std::vector<Progress> progress;
    std::atomic<bool>* stopAfterProgress = nullptr;
};

std::set<std::string> expectedTree() {
    std::set<std::string> files{"index.html", "tour.mp4", "js/ctr/cn0.js"};
    for (const Asset& asset : treeAssets())
        files.insert(std::string(asset.folder) + "/" + std::string(asset.name));
    for (int n = 1; n <= 10; ++n) files.insert("images/hs" + std::to_string(n) + ".gif");
    return files;
}

Message succeeded() { return Message{std::string(messages::kPublishingSucceeded), Topic::Note}; }

Message failed(const std::string& line) { return Message{"Publishing failed:\n" + line, Topic::Failure}; }

}  // namespace

TEST_F(PublisherTest, WritesTheWholeTreeFromTheEmbeddedBytes) {
    settings.hsIcon = 2;
    settings.htmlTitle = "Harbour";
    const PublishResult report = publish({movie, "", ""});
    EXPECT_EQ(outcomeOf(report), Outcome::Succeeded);
    EXPECT_EQ(publish::publishMessage(report), succeeded());

    const std::set<std::string> files = siteFiles();
    EXPECT_EQ(files, expectedTree());
    EXPECT_EQ(std::count_if(files.begin(), files.end(),
                            [](const std::string& f) { return f.starts_with("images/"); }),
              39);
    // raf.js, Stats.js, st.css; Three.js; cn0.js to cn3.js.
    EXPECT_EQ(
        std::count_if(files.begin(), files.end(), [](const std::string& f) { return f.starts_with("js/"); }),
        8);
    for (const Asset& asset : treeAssets()) {
        EXPECT_EQ(site(std::string(asset.folder) + "/" + std::string(asset.name)), asset.bytes) << asset.name;
    }
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(site("images/hs" + std::to_string(n) + ".gif"), hotSpotIcon(2).bytes);

    EXPECT_EQ(site("index.html"),
              pageText(pageTemplate(), buildSourceLines({movie, "", ""}).lines, "Harbour", 0));
    EXPECT_EQ(site("js/ctr/cn0.js"),
              scrambleScriptText(configScript(collectConfig(settings).values, hotSpots)));
    EXPECT_EQ(site("tour.mp4"), platform::readFile(movie).value());
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().movie, movie);
    EXPECT_EQ(progress.back().done, 300000u);
    EXPECT_EQ(progress.back().total, 300000u);
}

TEST_F(PublisherTest, PublishingAgainReplacesEverythingAndLeavesNoTemporaries) {
    settings.hsIcon = 1;
    ASSERT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
    ASSERT_TRUE(platform::writeFileAtomic(dir / "site" / "js" / "st.css", "body{}").ok());
    ASSERT_TRUE(platform::writeFileAtomic(dir / "site" / "index.html", std::string(100000, 'x')).ok());
    ASSERT_TRUE(platform::writeFileAtomic(dir / "site" / "tour.mp4", "stale").ok());
    ::chmod((dir / "site" / "index.html").c_str(), 0640);

    settings.hsIcon = 2;
    hotSpots.at(2).setTitle("Door");
    ASSERT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
    EXPECT_EQ(siteFiles(), expectedTree());  // nothing stray, no hidden temporaries
    for (const Asset& asset : treeAssets()) {
        EXPECT_EQ(site(std::string(asset.folder) + "/" + std::string(asset.name)), asset.bytes) << asset.name;
    }
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(site("images/hs" + std::to_string(n) + ".gif"), hotSpotIcon(2).bytes);
    EXPECT_EQ(site("index.html"), pageText(pageTemplate(), buildSourceLines({movie, "", ""}).lines, "", 0));
    EXPECT_EQ(site("js/ctr/cn0.js"),
              scrambleScriptText(configScript(collectConfig(settings).values, hotSpots)));
    EXPECT_EQ(site("tour.mp4"), platform::readFile(movie).value());
    EXPECT_EQ(fs::status(dir / "site" / "index.html").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(PublisherTest, SlotOneChecksRefuseBeforeAnythingIsWritten) {
    const Message noMovie{"Movie file does not selected !\nFirts movie file must be selected !",
                          Topic::Warning};
    // The description's words, then the file and the reason.
    const auto notFound = [](const std::string& path, std::string_view reason) {
        return Message{"Movie file does not found\n" + path + ": " + std::string(reason), Topic::Warning};
    };
    const fs::path movies = dir / "movies";
    ASSERT_EQ(::mkfifo((movies / "pipe.mp4").c_str(), 0600), 0);
    fs::create_directory(movies / "x.mp4");
    fs::create_symlink("loop-b.mp4", movies / "loop-a.mp4");
    fs::create_symlink("loop-a.mp4", movies / "loop-b.mp4");
    const struct {
        std::string slot1;
        Message expected;
    } cases[] = {
        {"", noMovie},
        {"    ", noMovie},
        {(movies / "gone.mp4").string(), notFound((movies / "gone.mp4").string(), messages::kMovieMissing)},
        {(movies / "x.mp4").string(), notFound((movies / "x.mp4").string(), messages::kMovieIsFolder)},
        {"/dev/zero", notFound("/dev/zero", messages::kMovieNotRegular)},
        {(movies / "pipe.mp4").string(),
         notFound((movies / "pipe.mp4").string(), messages::kMovieNotRegular)},
        {(movies / "loop-a.mp4").string(),
         notFound((movies / "loop-a.mp4").string(), messages::kMovieLinkLoop)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot1);
        EXPECT_EQ(publishMessage(checkMainMovie({c.slot1, movie, ""}).failure()), c.expected);
        const PublishResult report = publish({c.slot1, movie, ""});
        EXPECT_EQ(outcomeOf(report), Outcome::Refused);
        EXPECT_EQ(publish::publishMessage(report), c.expected);
        EXPECT_TRUE(siteFiles().empty());
    }
    EXPECT_TRUE(checkMainMovie({"  " + movie + " ", "", ""}).ok());
}

TEST(PagePath, HtmlIsAppendedUnlessTheNameEndsSoInAnyCase) {
    EXPECT_EQ(pagePathFor("tour"), "tour.html");
    EXPECT_EQ(pagePathFor("TOUR.HTML"), "TOUR.HTML");
    EXPECT_EQ(pagePathFor("tour.htm"), "tour.htm.html");
    EXPECT_EQ(pagePathFor("  /a b/tour.Html  "), "/a b/tour.Html");
    EXPECT_EQ(pagePathFor(".html"), ".html");
    EXPECT_EQ(pagePathFor("   "), "");
}

TEST(PagePath, OneCheckSaysWhatAPathNames) {
    const struct {
        std::string_view path;
        PageName expected;
    } cases[] = {
        {"tour", PageName::Page},
        {" /a b/tour.html ", PageName::Page},
        {"..html", PageName::Page},
        {"  ", PageName::Empty},
        {"site/", PageName::Folder},
        {".", PageName::Folder},
        {"site/..", PageName::Folder},
        {"/", PageName::Folder},
        {"site/.HTML", PageName::ExtensionOnly},
        {".html", PageName::ExtensionOnly},
    };
    for (const auto& c : cases) EXPECT_EQ(pageName(c.path), c.expected) << c.path;
}

// The movie types are checked before anything is written: the page folder
// stays as it was, earlier tree and all.
TEST_F(PublisherTest, UnsupportedTypeIsRefusedBeforeAnythingIsWritten) {
    ASSERT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
    const Snapshot before = snapshot(dir / "site");
    const fs::path webm = dir / "movies" / "tour.webm";
    const fs::path avi = dir / "movies" / "tour.avi";
    ASSERT_TRUE(platform::writeFileAtomic(webm, "webm").ok());
    ASSERT_TRUE(platform::writeFileAtomic(avi, "avi").ok());
    const struct {
        Slots slots;
        std::string message;
    } cases[] = {
        {{avi.string(), "", ""}, "Current format does not support\nSlot 1, " + avi.string() + ": "},
        {{movie, avi.string(), webm.string()},
         "Curren format does not support\nSlot 2, " + avi.string() + ": "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const PublishResult report = publish(c.slots);
        EXPECT_EQ(outcomeOf(report), Outcome::Refused);
        EXPECT_TRUE(publish::publishMessage(report).text.starts_with(c.message))
            << publish::publishMessage(report).text;
        EXPECT_EQ(publish::publishMessage(report).topic, Topic::Attention);
        EXPECT_EQ(snapshot(dir / "site"), before);
    }
}

// A 180-degree movie publishes only Hot Spots on its picture; the refusal
// names the first one off it.
TEST_F(PublisherTest, AHotSpotOffTheHalfFieldIsRefusedByName) {
    ASSERT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
    const Snapshot before = snapshot(dir / "site");
    settings.movieFormat.field = 180;
    hotSpots.at(1) = hotspots::HotSpot::make("a.html", "Unused", 150, 0, 5, 0);
    hotSpots.at(2) = hotspots::HotSpot::make("a.html", "Gate", 90, 2, 5, 0);
    hotSpots.at(4) = hotspots::HotSpot::make("b.html", "Door", -120, 3, 5, 0);
    const PublishResult report = publish({movie, "", ""});
    EXPECT_EQ(outcomeOf(report), Outcome::Refused);
    EXPECT_EQ(publish::publishMessage(report).text,
              "Hot Spot 4 (Door)" + std::string(messages::kHotSpotOffPicture) + "-120");
    EXPECT_EQ(snapshot(dir / "site"), before);

    hotSpots.at(4).pitch = 90;  // straight up lies on the picture whatever the yaw
    EXPECT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
    const ConfigValues values = collectConfig(settings).values;
    EXPECT_EQ(values.field, "180");
    EXPECT_EQ(site("js/ctr/cn0.js"), scrambleScriptText(configScript(values, hotSpots)));
}

TEST_F(PublisherTest, MovieAlreadyInThePageFolderIsLeftUntouched) {
    const fs::path inPlace = dir / "site" / "tour.mp4";
    ASSERT_TRUE(platform::writeFileAtomic(inPlace, "the movie itself").ok());
    const auto written = fs::last_write_time(inPlace);
    const PublishResult report = publish({"  " + inPlace.string() + " ", "", ""});
    EXPECT_EQ(publish::publishMessage(report), succeeded());
    EXPECT_EQ(site("tour.mp4"), "the movie itself");
    EXPECT_EQ(fs::last_write_time(inPlace), written);
}

TEST_F(PublisherTest, TooSmallCustomSizeGivesItsNoticeAndTheWindowSize) {
    settings.customSize = 1;
    settings.customWidth = "200";
    settings.customHeight = "480";
    std::optional<Message> notice;
    const PublishJob tooSmall = publishJob({movie, "", ""}, page, settings, hotSpots, notice);
    EXPECT_EQ(notice,
              (Message{"The minimal custom width = 320\nThe minimal custom height = 100", Topic::Note}));
    EXPECT_EQ(settings.customWidth, "320");
    EXPECT_EQ(settings.customHeight, "100");
    settings.customSize = 0;
    EXPECT_EQ(tooSmall.config, collectConfig(settings).values);
}

// Whatever stands in the way is found before the first byte is written, every
// problem named with its file, and the page folder stays as it was.
TEST_F(PublisherTest, SlotsAndTargetsAreCheckedBeforeAnythingIsWritten) {
    ASSERT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
    const fs::path movies = dir / "movies";
    const fs::path site = dir / "site";
    fs::create_directories(movies / "other");
    ASSERT_TRUE(platform::writeFileAtomic(movies / "other" / "tour.mp4", "another tour").ok());
    ASSERT_EQ(::mkfifo((movies / "pipe.webm").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", movies / "zero.mp4");
    ASSERT_TRUE(platform::writeFileAtomic(site / "clip.mp4", "the user's own clip").ok());
    fs::create_symlink(site / "clip.mp4", movies / "alias.webm");
    ASSERT_TRUE(platform::writeFileAtomic(movies / "clip.mp4", "a newer clip").ok());
    ASSERT_TRUE(platform::writeFileAtomic(site / "tour.mov", "a project saved under a movie's name").ok());
    ASSERT_TRUE(platform::writeFileAtomic(movies / "tour.mov", "mov").ok());
    const Snapshot before = snapshot(site);

    const struct {
        const char* what;
        Slots slots;
        fs::path page;
        fs::path project;
        std::string line;
    } cases[] = {
        {"fifo",
         {movie, (movies / "pipe.webm").string(), ""},
         page,
         {},
         "Cannot copy " + (movies / "pipe.webm").string() + ": Not a regular file"},
        {"device",
         {movie, "", (movies / "zero.mp4").string()},
         page,
         {},
         "Cannot copy " + (movies / "zero.mp4").string() + ": Not a regular file"},
        {"missing",
         {movie, (movies / "gone.webm").string(), ""},
         page,
         {},
         "Cannot open " + (movies / "gone.webm").string() + ": No such file or directory"},
        {"same name",
         {movie, (movies / "other" / "tour.mp4").string(), ""},
         page,
         {},
         "Cannot copy " + (movies / "other" / "tour.mp4").string() +
             ": Another movie slot has a file of the same name"},
        {"another slot's source",
         {(movies / "clip.mp4").string(), (movies / "alias.webm").string(), ""},
         page,
         {},
         "Cannot write " + (site / "clip.mp4").string() + ": It is a movie being published"},
        {"project",
         {movie, (movies / "tour.mov").string(), ""},
         page,
         site / "tour.mov",
         "Cannot write " + (site / "tour.mov").string() + ": It is the project file being published"},
        {"no page name",
         {movie, "", ""},
         site / ".html",
         {},
         "Cannot write " + (site / ".html").string() + ": The page has no name"},
        {"page is a folder",
         {movie, "", ""},
         site / "js",
         {},
         "Cannot write " + (site / "js").string() + ": Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<Message> notice;
        PublishJob job = publishJob(c.slots, c.page, settings, hotSpots, notice);
        job.project = c.project;
        const PublishResult report = publish::publish(job);
        EXPECT_EQ(outcomeOf(report), Outcome::Refused);
        EXPECT_EQ(publish::publishMessage(report), failed(c.line));
        EXPECT_EQ(snapshot(site), before);
    }
}

TEST_F(PublisherTest, FileInPlaceOfAFolderIsRefusedBeforeAnythingIsWritten) {
    ASSERT_TRUE(platform::writeFileAtomic(dir / "site" / "js", "not a folder").ok());
    const Snapshot before = snapshot(dir / "site");
    const PublishResult report = publish({movie, "", ""});
    EXPECT_EQ(outcomeOf(report), Outcome::Refused);
    EXPECT_EQ(publish::publishMessage(report),
              failed("Cannot create folder " + (dir / "site" / "js").string() + ": Not a directory"));
    EXPECT_EQ(snapshot(dir / "site"), before);
}

// Cancelled during the movie copy, with an earlier tree in the folder and with
// no folder at all: either way the folder ends as it began.
TEST_F(PublisherTest, CancelDuringTheCopyLeavesTheFolderAsItWas) {
    std::atomic<bool> stop{false};
    stopAfterProgress = &stop;
    for (const bool earlierTree : {false, true}) {
        SCOPED_TRACE(earlierTree);
        fs::remove_all(dir / "site");
        if (earlierTree) {
            stopAfterProgress = nullptr;
            ASSERT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
            stopAfterProgress = &stop;
        }
        const Snapshot before = snapshot(dir / "site");
        stop = false;
        const PublishResult report = publish({movie, "", ""}, &stop);
        EXPECT_EQ(outcomeOf(report), Outcome::Cancelled);
        EXPECT_EQ(publish::publishMessage(report), (Message{"Publishing cancelled", Topic::Note}));
        EXPECT_EQ(fs::exists(dir / "site"), earlierTree);
        EXPECT_EQ(snapshot(dir / "site"), before);
    }
}

// A write that fails part way (here: past the file size limit) takes back
// everything written before it.
TEST_F(PublisherTest, FailedWriteLeavesTheFolderAsItWas) {
    ASSERT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
    ASSERT_TRUE(platform::writeFileAtomic(movie, std::string(600000, 'n')).ok());
    const Snapshot before = snapshot(dir / "site");

    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 400000;  // every tree file fits, the movie does not
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const PublishResult report = publish({movie, "", ""});
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(outcomeOf(report), Outcome::Failed);
    EXPECT_EQ(publish::publishMessage(report),
              failed("Cannot write " + (dir / "site" / "tour.mp4").string() + ": File too large"));
    EXPECT_EQ(snapshot(dir / "site"), before);

    // Nothing can be written, the journal first: the page's folder is named, not the journal.
    page = dir / "new" / "index.html";
    small.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ::signal(SIGXFSZ, SIG_IGN);
    const PublishResult nothing = publish({movie, "", ""});
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(publish::publishMessage(nothing),
              failed("Cannot write in " + (dir / "new").string() + ": File too large"));
    EXPECT_FALSE(fs::exists(dir / "new"));
}

// Temporaries a killed publish left behind would be uploaded with the site.
TEST_F(PublisherTest, StaleTemporariesInTheTreeAreRemoved) {
    ASSERT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
    const std::vector<fs::path> stale{dir / "site" / ".tour.mp4.tmp-k3j4h5g6",
                                      dir / "site" / "js" / "ctr" / ".cn0.js.tmp-0a1b2c3d"};
    for (const fs::path& path : stale)
        ASSERT_TRUE(platform::writeFileAtomic(path, "left by a killed run").ok());
    ASSERT_TRUE(platform::writeFileAtomic(dir / "site" / "notes.txt", "the user's").ok());

    ASSERT_EQ(outcomeOf(publish({movie, "", ""})), Outcome::Succeeded);
    for (const fs::path& path : stale) EXPECT_FALSE(fs::exists(path)) << path;
    EXPECT_EQ(site("notes.txt"), "the user's");
}
