#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "PublishFakes.h"
#include "core/publish/Assets.h"
#include "core/publish/ConfigScript.h"
#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/Publisher.h"
#include "core/publish/Scrambler.h"
#include "core/text/Files.h"

using namespace tessaly;
using namespace tessaly::publish;
namespace fs = std::filesystem;
using Slots = std::array<std::string, 3>;

namespace {

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
        ASSERT_FALSE(text::writeFileAtomic(movie, std::string(300000, 'm')));
        settings.saveDir = (dir / "movies").string();
        hotSpots.at(2).pos = 12.5;
        hotSpots.at(2).time = 5;
        hotSpots.at(2).setLink("door.html");
        prompts.answer = dir / "site" / "index.html";
    }
    void TearDown() override {
        ::chmod((dir / "site").c_str(), 0755);
        fs::remove_all(dir);
    }

    PublishResult publish(const Slots& slots) {
        Publisher publisher(prompts, player,
                            [this](const fs::path& m, std::uint64_t done, std::uint64_t total) {
                                progress.push_back({m.string(), done, total});
                            });
        return publisher.publishWebMovie(slots, settings, hotSpots);
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
        return text::readFile(dir / "site" / relative).bytes;
    }

    struct Progress {
        std::string movie;
        std::uint64_t done, total;
    };

    fs::path dir;
    std::string movie;
    model::ViewerSettings settings;
    hotspots::HotSpotList hotSpots;
    fakes::EventLog log;
    fakes::FakePrompts prompts{log};
    fakes::FakePlayer player{log};
    std::vector<Progress> progress;
};

std::set<std::string> expectedTree() {
    std::set<std::string> files{"index.html", "tour.mp4", "js/ctr/cn0.js"};
    for (const Asset& asset : treeAssets())
        files.insert(std::string(asset.folder) + "/" + std::string(asset.name));
    for (int n = 1; n <= 10; ++n) files.insert("images/hs" + std::to_string(n) + ".gif");
    return files;
}

Message succeeded() {
    return Message{std::string(messages::kPublishingSucceeded), std::string(messages::kInformationCaption),
                   Icon::Information};
}

}  // namespace

TEST_F(PublisherTest, WritesTheWholeTreeFromTheEmbeddedBytes) {
    settings.hsIcon = 2;
    settings.htmlTitle = "Harbour";
    const std::string oldSaveDir = settings.saveDir;
    ASSERT_EQ(publish({movie, "", ""}), PublishResult::Succeeded);

    EXPECT_EQ(log.events, (std::vector<std::string>{"stop", "chooseFile", "show Publishing succeeded"}));
    ASSERT_EQ(prompts.choices.size(), 1u);
    const FileChoice& choice = prompts.choices[0];
    EXPECT_EQ(choice.mode, FileChoice::Mode::Save);
    EXPECT_EQ(choice.title, "Publish Html web page");
    EXPECT_EQ(choice.filter, "Html Web page (*.html)|*.html|");
    EXPECT_EQ(choice.initialName, "*.html");
    EXPECT_EQ(choice.initialFolder, oldSaveDir);
    EXPECT_EQ(prompts.shown, std::vector<Message>{succeeded()});
    EXPECT_EQ(settings.saveDir, (dir / "site").string());

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
    EXPECT_EQ(site("tour.mp4"), text::readFile(movie).bytes);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().movie, movie);
    EXPECT_EQ(progress.back().done, 300000u);
    EXPECT_EQ(progress.back().total, 300000u);
}

TEST_F(PublisherTest, PublishingAgainReplacesEverythingAndLeavesNoTemporaries) {
    settings.hsIcon = 1;
    ASSERT_EQ(publish({movie, "", ""}), PublishResult::Succeeded);
    ASSERT_FALSE(text::writeFileAtomic(dir / "site" / "js" / "st.css", "body{}"));
    ASSERT_FALSE(text::writeFileAtomic(dir / "site" / "index.html", std::string(100000, 'x')));
    ASSERT_FALSE(text::writeFileAtomic(dir / "site" / "tour.mp4", "stale"));

    settings.hsIcon = 2;
    hotSpots.at(2).setTitle("Door");
    ASSERT_EQ(publish({movie, "", ""}), PublishResult::Succeeded);
    EXPECT_EQ(siteFiles(), expectedTree());  // nothing stray, no hidden temporaries
    for (const Asset& asset : treeAssets()) {
        EXPECT_EQ(site(std::string(asset.folder) + "/" + std::string(asset.name)), asset.bytes) << asset.name;
    }
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(site("images/hs" + std::to_string(n) + ".gif"), hotSpotIcon(2).bytes);
    EXPECT_EQ(site("index.html"), pageText(pageTemplate(), buildSourceLines({movie, "", ""}).lines, "", 0));
    EXPECT_EQ(site("js/ctr/cn0.js"),
              scrambleScriptText(configScript(collectConfig(settings).values, hotSpots)));
    EXPECT_EQ(site("tour.mp4"), text::readFile(movie).bytes);
}

TEST_F(PublisherTest, SlotOneChecksStopBeforeAnythingHappens) {
    const Message noMovie{"Movie file does not selected !\nFirts movie file must be selected !", "Warning",
                          Icon::Warning};
    const Message notFound{"Movie file does not found", "Warning", Icon::Warning};
    const struct {
        std::string slot1;
        Message expected;
    } cases[] = {
        {"", noMovie},
        {"    ", noMovie},
        {(dir / "movies" / "gone.mp4").string(), notFound},
        {(dir / "movies").string(), notFound},  // a folder is no movie
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot1);
        log.events.clear();
        prompts.shown.clear();
        EXPECT_EQ(publish({c.slot1, movie, ""}), PublishResult::Stopped);
        EXPECT_EQ(prompts.shown, std::vector<Message>{c.expected});
        EXPECT_EQ(log.events.size(), 1u);  // the message only: no stop, no dialog
        EXPECT_TRUE(siteFiles().empty());
    }
}

TEST_F(PublisherTest, CancelledDialogStopsThePlayerAndWritesNothing) {
    for (const std::optional<fs::path>& answer :
         {std::optional<fs::path>{}, std::optional<fs::path>{"   "}}) {
        log.events.clear();
        prompts.answer = answer;
        const std::string saveDir = settings.saveDir;
        EXPECT_EQ(publish({movie, "", ""}), PublishResult::Stopped);
        EXPECT_EQ(log.events, (std::vector<std::string>{"stop", "chooseFile"}));
        EXPECT_TRUE(siteFiles().empty());
        EXPECT_EQ(settings.saveDir, saveDir);
    }
}

TEST(PagePath, HtmlIsAppendedUnlessTheNameEndsSoInAnyCase) {
    EXPECT_EQ(pagePathFor("tour"), "tour.html");
    EXPECT_EQ(pagePathFor("TOUR.HTML"), "TOUR.HTML");
    EXPECT_EQ(pagePathFor("tour.htm"), "tour.htm.html");
    EXPECT_EQ(pagePathFor("  /a b/tour.Html  "), "/a b/tour.Html");
    EXPECT_EQ(pagePathFor(".html"), ".html");
    EXPECT_EQ(pagePathFor("   "), "");
}

TEST_F(PublisherTest, ChosenNameWithoutExtensionBecomesHtmlPage) {
    prompts.answer = dir / "site" / "tour";
    ASSERT_EQ(publish({movie, "", ""}), PublishResult::Succeeded);
    EXPECT_TRUE(fs::is_regular_file(dir / "site" / "tour.html"));
    EXPECT_FALSE(fs::exists(dir / "site" / "tour"));
}

TEST_F(PublisherTest, UnsupportedTypeStopsAfterAssetsAndCopies) {
    const fs::path webm = dir / "movies" / "tour.webm";
    const fs::path avi = dir / "movies" / "tour.avi";
    ASSERT_FALSE(text::writeFileAtomic(webm, "webm"));
    ASSERT_FALSE(text::writeFileAtomic(avi, "avi"));
    const struct {
        Slots slots;
        std::string message;
        std::set<std::string> movies;
    } cases[] = {
        {{avi.string(), "", ""}, "Current format does not support", {"tour.avi"}},
        {{movie, avi.string(), webm.string()},
         "Curren format does not support",
         {"tour.mp4", "tour.avi", "tour.webm"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        fs::remove_all(dir / "site");
        prompts.shown.clear();
        EXPECT_EQ(publish(c.slots), PublishResult::Stopped);
        EXPECT_EQ(prompts.shown, (std::vector<Message>{{c.message, "Attention", Icon::Information}}));

        std::set<std::string> expected = expectedTree();
        expected.erase("index.html");
        expected.erase("js/ctr/cn0.js");
        expected.erase("tour.mp4");
        expected.insert(c.movies.begin(), c.movies.end());
        EXPECT_EQ(siteFiles(), expected);
    }
}

TEST_F(PublisherTest, MovieAlreadyInThePageFolderIsLeftUntouched) {
    const fs::path inPlace = dir / "site" / "tour.mp4";
    ASSERT_FALSE(text::writeFileAtomic(inPlace, "the movie itself"));
    const auto written = fs::last_write_time(inPlace);
    ASSERT_EQ(publish({"  " + inPlace.string() + " ", "", ""}), PublishResult::Succeeded);
    EXPECT_EQ(prompts.shown, std::vector<Message>{succeeded()});
    EXPECT_EQ(site("tour.mp4"), "the movie itself");
    EXPECT_EQ(fs::last_write_time(inPlace), written);
}

TEST_F(PublisherTest, TooSmallCustomSizeIsReportedAndPublishingGoesOn) {
    settings.customSize = 1;
    settings.customWidth = "200";
    settings.customHeight = "480";
    ASSERT_EQ(publish({movie, "", ""}), PublishResult::Succeeded);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0], (Message{"The minimal custom width = 320\nThe minimal custom height = 100",
                                         "Information:", Icon::Information}));
    EXPECT_EQ(prompts.shown[1], succeeded());
    EXPECT_EQ(settings.customWidth, "320");
    EXPECT_EQ(settings.customHeight, "100");
}

// A regular file where the js folder belongs fails for root too: the folder and
// its files are reported, everything else is still written.
TEST_F(PublisherTest, FileInPlaceOfAFolderIsReportedNeverSucceeded) {
    ASSERT_FALSE(text::writeFileAtomic(dir / "site" / "js", "not a folder"));
    EXPECT_EQ(publish({movie, "", ""}), PublishResult::Failed);
    ASSERT_EQ(prompts.shown.size(), 1u);
    const Message& report = prompts.shown[0];
    EXPECT_EQ(report.caption, "Warning");
    EXPECT_EQ(report.icon, Icon::Error);
    EXPECT_EQ(report.text, "Publishing failed:\nCannot create folder " + (dir / "site" / "js").string() +
                               ": Not a directory");

    std::set<std::string> expected;
    for (const std::string& f : expectedTree()) {
        if (!f.starts_with("js/")) expected.insert(f);
    }
    expected.insert("js");
    EXPECT_EQ(siteFiles(), expected);
    EXPECT_EQ(site("js"), "not a folder");
}

TEST_F(PublisherTest, ReadOnlyPageFolderReportsEachFileWithItsReason) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ::chmod((dir / "site").c_str(), 0555);
    EXPECT_EQ(publish({movie, "", ""}), PublishResult::Failed);
    ::chmod((dir / "site").c_str(), 0755);
    ASSERT_EQ(prompts.shown.size(), 1u);
    const std::string& text = prompts.shown[0].text;
    EXPECT_TRUE(text.starts_with("Publishing failed:\n"));
    for (const char* name : {"js", "images"}) {
        EXPECT_NE(text.find("Cannot create folder " + (dir / "site" / name).string() + ": Permission denied"),
                  std::string::npos);
    }
    EXPECT_NE(text.find("Cannot write " + (dir / "site" / "tour.mp4").string() + ": Permission denied"),
              std::string::npos);
    EXPECT_NE(text.find("Cannot write " + (dir / "site" / "index.html").string() + ": Permission denied"),
              std::string::npos);
    EXPECT_EQ(text.find("succeeded"), std::string::npos);
    EXPECT_TRUE(siteFiles().empty());
}
