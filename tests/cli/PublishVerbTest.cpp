#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/Verbs.h"
#include "core/model/AppState.h"
#include "core/model/ProjectFile.h"
#include "core/platform/Files.h"

using namespace tessaly;
namespace fs = std::filesystem;

namespace {

// The script a browser would run from a scrambled file: the marker bytes back
// to their escape prefixes, then the percent escapes undone.
std::string unscramble(const std::string& scrambled) {
    const auto begin = scrambled.find("eval(unescape((\"") + 16;
    const std::string hidden = scrambled.substr(begin, scrambled.find('"', begin) - begin);
    std::string escaped;
    for (const char c : hidden) {
        switch (c) {
            case 8:
                escaped += "%7";
                break;
            case 5:
                escaped += "%6";
                break;
            case 3:
                escaped += "%5";
                break;
            case 2:
                escaped += "%4";
                break;
            case 1:
                escaped += "%3";
                break;
            case 7:
                escaped += "%2";
                break;
            default:
                escaped += c;
        }
    }
    std::string plain;
    for (std::size_t i = 0; i + 2 < escaped.size() + 1; i += 3) {
        plain += static_cast<char>(std::stoi(escaped.substr(i + 1, 2), nullptr, 16));
    }
    return plain;
}

// The fixture's movies are a few bytes of text, which the movie check names
// before publishing goes on.
const std::string kUnreadableMovies =
    "tessaly: These movies may not play on the published page:\n"
    "tessaly: Slot 1, tour.mp4: cannot be read: Invalid data found when processing input\n"
    "tessaly: Slot 2, tour.webm: cannot be read: Invalid data found when processing input\n";

class PublishVerb : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("tessaly-publish-verb-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "project" / "movies");
        ASSERT_TRUE(platform::writeFileAtomic(dir / "project" / "movies" / "tour.mp4", "mp4 movie").ok());
        ASSERT_TRUE(platform::writeFileAtomic(dir / "project" / "tour.webm", "webm movie").ok());
        state = model::startState(dir.string(), {});
        state.movies = {"movies/tour.mp4", "tour.webm", ""};  // relative to the project's folder
        state.hotSpots.at(1).pos = 3;
        state.hotSpots.at(1).time = 4;
        state.hotSpots.at(1).setLink("next.html");
        saveProject();
    }
    void TearDown() override { fs::remove_all(dir); }

    void saveProject() {
        ASSERT_TRUE(model::saveProject(project(), state.settings, state.movies, state.hotSpots).ok());
    }
    fs::path project() const { return dir / "project" / "demo.hs5"; }

    int run(const cli::Arguments& args) {
        err.str("");
        std::ostringstream out;
        const int status = cli::runPublish(args, out, err);
        EXPECT_EQ(out.str(), "");
        return status;
    }
    std::string configScript() const {
        return unscramble(platform::readFile(dir / "site" / "js" / "ctr" / "cn0.js").value());
    }

    fs::path dir;
    model::AppState state;
    std::ostringstream err;
};

}  // namespace

TEST_F(PublishVerb, PublishesTheProjectWithMoviesFromItsFolder) {
    ASSERT_EQ(run({project().string(), (dir / "site" / "tour").string()}), 0);
    EXPECT_EQ(err.str(), kUnreadableMovies + "tessaly: Publishing succeeded\n");
    EXPECT_TRUE(fs::is_regular_file(dir / "site" / "tour.html"));
    EXPECT_EQ(platform::readFile(dir / "site" / "tour.mp4").value(), "mp4 movie");
    EXPECT_EQ(platform::readFile(dir / "site" / "tour.webm").value(), "webm movie");
    EXPECT_TRUE(fs::is_regular_file(dir / "site" / "images" / "hs10.gif"));
    const std::string script = configScript();
    EXPECT_NE(script.find("var vertmax=90;"), std::string::npos) << script;
    EXPECT_NE(script.find("var RENDER_X=550;"), std::string::npos);
    EXPECT_NE(script.find("var OS_HOTSPOTS=1;"), std::string::npos);
    EXPECT_NE(script.find("HotSpotItem_link[0] =\"next.html\";"), std::string::npos);

    // A journal no publish there wrote is left and named.
    const fs::path journal = dir / "site" / ".tessaly-publish-journal";
    ASSERT_TRUE(platform::writeFileAtomic(journal, std::string("placed\0", 7)).ok());
    ASSERT_EQ(run({project().string(), (dir / "site" / "tour").string()}), 0);
    EXPECT_EQ(err.str(), kUnreadableMovies + "tessaly: Publishing succeeded\ntessaly: " + journal.string() +
                             " was not written by a publish into this folder; nothing was undone\n");
    EXPECT_TRUE(fs::exists(journal));
}

TEST_F(PublishVerb, OptionsSetTheManualTiltAndTheCustomSize) {
    ASSERT_EQ(run({"--manual-tilt", "45", project().string(), (dir / "site" / "index.html").string(),
                   "--custom-size", "1280x640"}),
              0);
    EXPECT_EQ(err.str(), kUnreadableMovies + "tessaly: Publishing succeeded\n");
    const std::string script = configScript();
    EXPECT_NE(script.find("var vertmax=45;"), std::string::npos) << script;
    EXPECT_NE(script.find("var RENDER_X=1280; var RENDER_Y=640;"), std::string::npos);

    // Too small: the window's message, and publishing goes on with the list size.
    ASSERT_EQ(run({project().string(), (dir / "site" / "index.html").string(), "--custom-size", "300x640"}),
              0);
    EXPECT_EQ(err.str(),
              "tessaly: The minimal custom width = 320\n"
              "tessaly: The minimal custom height = 100\n" +
                  kUnreadableMovies + "tessaly: Publishing succeeded\n");
    EXPECT_NE(configScript().find("var RENDER_X=550;"), std::string::npos);
}

TEST_F(PublishVerb, FailuresExitWithOneAndSayWhy) {
    EXPECT_EQ(run({(dir / "none.hs5").string(), (dir / "site" / "index.html").string()}), 1);
    EXPECT_EQ(err.str(),
              "tessaly: Cannot open " + (dir / "none.hs5").string() + ": No such file or directory\n");

    fs::create_directories(dir / "site");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "site" / "images", "a file, not a folder").ok());
    EXPECT_EQ(run({project().string(), (dir / "site" / "index.html").string()}), 1);
    EXPECT_EQ(err.str(), kUnreadableMovies + "tessaly: Publishing failed:\ntessaly: Cannot create folder " +
                             (dir / "site" / "images").string() + ": Not a directory\n");

    state.movies = {"gone.mp4", "", ""};
    saveProject();
    EXPECT_EQ(run({project().string(), (dir / "site" / "index.html").string()}), 1);
    EXPECT_TRUE(err.str().starts_with("tessaly: Movie file does not found\ntessaly: ")) << err.str();
    EXPECT_TRUE(err.str().ends_with("gone.mp4: no such file\n")) << err.str();

    state.movies = {"", "", ""};
    saveProject();
    EXPECT_EQ(run({project().string(), (dir / "site" / "index.html").string()}), 1);
    EXPECT_EQ(err.str(),
              "tessaly: Movie file does not selected !\ntessaly: Firts movie file must be selected !\n");

    state.movies = {"movies/tour.mp4", "clip.avi", ""};
    ASSERT_TRUE(platform::writeFileAtomic(dir / "project" / "clip.avi", "avi").ok());
    saveProject();
    EXPECT_EQ(run({project().string(), (dir / "other" / "index.html").string()}), 1);
    EXPECT_TRUE(err.str().starts_with("tessaly: Curren format does not support\ntessaly: Slot 2, " +
                                      (dir / "project" / "clip.avi").string() + ": ends in .avi, "))
        << err.str();
    EXPECT_FALSE(fs::exists(dir / "other"));  // refused before anything was written
}

// Every problem with the arguments is named on a line of its own, then the usage.
TEST_F(PublishVerb, PagePathAndCustomSizeProblemsAreNamed) {
    const struct {
        cli::Arguments args;
        std::string message;
    } cases[] = {
        {{project().string(), ""}, "tessaly: the page path is empty"},
        {{project().string(), "   "}, "tessaly: the page path is empty"},
        {{project().string(), (dir / "out").string() + "/"},
         "tessaly: the page path names a folder, not a page: " + (dir / "out").string() + "/"},
        {{project().string(), (dir / "out" / ".").string()},
         "tessaly: the page path names a folder, not a page: " + (dir / "out" / ".").string()},
        // Publishing would write out.html, js/ and images/ beside the folder.
        {{project().string(), (dir / "out").string()},
         "tessaly: the page path names an existing folder: " + (dir / "out").string() +
             "; name the page file, such as " + (dir / "out" / "index.html").string()},
        {{project().string(), (dir / "site").string()},
         "tessaly: the page path names an existing folder: " + (dir / "site.html").string() +
             "; name the page file, such as " + (dir / "site.html" / "index.html").string()},
        {{project().string(), "a.html", "--custom-size", "16385x640"},
         "tessaly: --custom-size takes at most 16384x16384"},
        {{project().string(), "a.html", "--custom-size", "640x100000000000"},
         "tessaly: --custom-size takes at most 16384x16384"},
        {{project().string(), "a.html", "--custom-size", "x640"},
         "tessaly: --custom-size takes WIDTHxHEIGHT, such as 1280x640"},
    };
    fs::create_directories(dir / "out");
    fs::create_directories(dir / "site.html");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(run(c.args), 2);
        EXPECT_TRUE(err.str().starts_with(c.message + "\nUsage: tessaly publish ")) << err.str();
    }
    EXPECT_TRUE(fs::is_empty(dir / "out"));
    EXPECT_TRUE(fs::is_empty(dir / "site.html"));
    EXPECT_FALSE(fs::exists(dir / "out.html"));
    fs::remove(dir / "out");

    // The largest size is taken; a page named only ".html" is refused by the publish itself.
    EXPECT_EQ(run({project().string(), (dir / "site" / "big.html").string(), "--custom-size", "16384x16384"}),
              0);
    EXPECT_NE(configScript().find("var RENDER_X=16384; var RENDER_Y=16384;"), std::string::npos);
    EXPECT_EQ(run({project().string(), (dir / "out" / ".html").string()}), 1);
    EXPECT_EQ(err.str(), kUnreadableMovies + "tessaly: Publishing failed:\ntessaly: Cannot write " +
                             (dir / "out" / ".html").string() + ": The page has no name\n");
}

TEST_F(PublishVerb, WrongArgumentsShowTheUsage) {
    for (const cli::Arguments& args : std::vector<cli::Arguments>{
             {},
             {project().string()},
             {project().string(), "a.html", "b.html"},
             {project().string(), "a.html", "--custom-size", "1280by640"},
             {project().string(), "a.html", "--custom-size"},
             {project().string(), "a.html", "--fast"},
         }) {
        EXPECT_EQ(run(args), 2);
        EXPECT_TRUE(err.str().starts_with("tessaly: ")) << err.str();
        EXPECT_NE(err.str().find("Usage: tessaly publish PROJECT.hs5 PAGE.html"), std::string::npos)
            << err.str();
    }
    EXPECT_FALSE(fs::exists(dir / "site"));
}
